#include "serial/ConnectionController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include "platform/Notifier.h"
#include "platform/Sleeper.h"
#include "serial/PortAccessController.h"
#include "serial/SerialLink.h"
#include "ui/Colors.h"
#include "ui/TForm1.h"
#include "ui/WidgetColors.h"

namespace {
// A device that has just come back (a board rebooting after its USB port
// reappeared) gets this long before the program talks to it.
constexpr int kSettleAfterReconnectMs = 2000;

// Keeps the Connect button disabled while its handler runs, so a message box
// opened by the handler cannot lead to a second click; enabled on every path.
class ButtonDisabled {
 public:
  explicit ButtonDisabled(QPushButton* button) : m_button(button) { m_button->setEnabled(false); }
  ~ButtonDisabled() { m_button->setEnabled(true); }

 private:
  QPushButton* m_button;
};
}  // namespace

ConnectionController::ConnectionController(TForm1& form, PortAccessController& access, SerialLink& link,
                                           Sleeper& sleeper, Notifier& notifier)
    : m_form(form), m_access(access), m_link(link), m_sleeper(sleeper), m_notifier(notifier) {
  connect(m_form.BTConnect, &QPushButton::clicked, this, &ConnectionController::BTConnectClick);
  connect(m_form.AutoConnect, &QCheckBox::clicked, this, &ConnectionController::AutoConnectClick);
  connect(m_form.CheckConnect, &QTimer::timeout, this, &ConnectionController::CheckConnectTimer);
}

void ConnectionController::BTConnectClick() {
  ButtonDisabled busy(m_form.BTConnect);
  if (ConnectRequested == 0) {
    const std::optional<bool> opened = openPort();
    if (!opened) return;
    if (*opened) {
      setLocked(true);
      m_form.BTConnect->setText(QStringLiteral("Disconnect"));
      ConnectRequested = 1;
      setBackgroundColor(m_form.ComPort, colors::green());
      sendOnConnect();
    } else if (!m_form.ComPort->currentText().isEmpty()) {
      m_notifier.message(&m_form,
                         "Что-то не открывается порт. Программа может работать только с COM1..COM9.");
    }
    return;
  }
  m_access.ClosePort();
  setLocked(false);
  m_form.BTConnect->setText(QStringLiteral("Connect"));
  ConnectRequested = 0;
  setBackgroundColor(m_form.ComPort, colors::windowBackground());
}

void ConnectionController::AutoConnectClick() {
  if (m_form.AutoConnect->isChecked())
    m_notifier.message(&m_form,
                       "При включенном режиме AutoConnect в некоторых драйверах COM-порта возможны глюки!");
}

void ConnectionController::CheckConnectTimer() {
  const bool alive = m_link.probe();
  const bool supervising = m_form.AutoConnect->isChecked();
  if (!supervising && !alive && m_link.PortOpen()) setBackgroundColor(m_form.ComPort, colors::red());
  if (ConnectRequested == 1 && !m_link.PortOpen() && !supervising)
    setBackgroundColor(m_form.ComPort, colors::red());
  if (!alive) m_access.ClosePort();
  if (!supervising) return;
  if (ConnectRequested == 0) {
    setBackgroundColor(m_form.ComPort, colors::windowBackground());
    return;
  }
  if (alive) return;

  const std::optional<bool> reopened = openPort();
  if (!reopened) return;
  if (!*reopened) {
    setBackgroundColor(m_form.ComPort, colors::yellow());
    return;
  }
  setBackgroundColor(m_form.ComPort, colors::green());
  m_sleeper.sleepMs(kSettleAfterReconnectMs);
  sendOnConnect();
}

std::optional<bool> ConnectionController::openPort() {
  try {
    return m_access.OpenPort();
  } catch (const SettingsError& e) {
    m_notifier.error(&m_form, QString::fromUtf8(e.what()));
    return std::nullopt;
  }
}

void ConnectionController::setLocked(bool locked) {
  for (QWidget* control : {static_cast<QWidget*>(m_form.ComPort), static_cast<QWidget*>(m_form.BaudRate),
                           static_cast<QWidget*>(m_form.BTRescan), static_cast<QWidget*>(m_form.ComBits),
                           static_cast<QWidget*>(m_form.ComStopBits)})
    control->setEnabled(!locked);
}

void ConnectionController::sendOnConnect() {
  if (m_form.SendAsReconn->isChecked() && CheckSendDataAftConnect) CheckSendDataAftConnect();
}
