#include "serial/PortAccessController.h"

#include <QComboBox>
#include <QPushButton>
#include <filesystem>

#include "platform/Cp1251.h"
#include "platform/Notifier.h"
#include "platform/PortList.h"
#include "serial/PortPath.h"
#include "serial/SerialLink.h"
#include "ui/TForm1.h"

namespace {
constexpr int kFallbackPorts = 9;

int selectedNumber(const QComboBox* list) {
  const QString text = list->currentIndex() >= 0 ? list->itemText(list->currentIndex()) : QString();
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok) throw SettingsError("\"" + text.toStdString() + "\" не является целым числом");
  return value;
}

bool pathExists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}
}  // namespace

PortAccessController::PortAccessController(TForm1& form, SerialLink& link, PortList& ports,
                                           Notifier& notifier)
    : m_form(form), m_link(link), m_ports(ports), m_notifier(notifier) {
  connect(m_form.BTRescan, &QPushButton::clicked, this, &PortAccessController::BTRescanClick);
}

void PortAccessController::RescanPorts() {
  QComboBox* chooser = m_form.ComPort;
  chooser->clear();
  chooser->clearEditText();

  const PortListing listing = m_ports.scan();
  const bool found = !listing.ports.empty();
  if (!found && !StartingUp) {
    m_notifier.message(&m_form, ":-(");
    m_notifier.message(&m_form, "Запустите программу от имени администратора или выберите порт вручную");
  }
  for (const PortEntry& port : listing.ports) {
    chooser->addItem(Cp1251::toUnicode(port.name));
    if (!port.description.empty())
      chooser->setItemData(chooser->count() - 1, Cp1251::toUnicode(port.description), Qt::ToolTipRole);
  }
  if (found) {
    chooser->setCurrentIndex(0);
    return;
  }
  for (int n = 1; n <= kFallbackPorts; ++n) chooser->addItem(QStringLiteral("COM%1").arg(n));
  chooser->setCurrentIndex(-1);
  chooser->clearEditText();
}

void PortAccessController::BTRescanClick() {
  RescanPorts();
}

bool PortAccessController::OpenPort() {
  const std::string name = Cp1251::fromUnicode(m_form.ComPort->currentText());
  LineSettings settings;
  settings.baudRate = selectedNumber(m_form.BaudRate);
  settings.dataBits = selectedNumber(m_form.ComBits);
  if (m_form.ComStopBits->currentIndex() >= 0) m_stopBitsCode = m_form.ComStopBits->currentIndex();
  settings.stopBitsCode = m_stopBitsCode;

  if (name.empty()) m_notifier.message(&m_form, "Выбери порт!");
  return m_link.OpenPort(resolvePortPath(name, pathExists), settings);
}

void PortAccessController::ClosePort() {
  m_link.ClosePort();
}
