#include "receive/LogFileController.h"

#include <QLabel>
#include <QPushButton>

#include "platform/Clock.h"
#include "platform/Cp1251.h"
#include "platform/Notifier.h"
#include "ui/TForm1.h"

LogFileController::LogFileController(TForm1& form, Clock& clock, Notifier& notifier)
    : m_form(form), m_clock(clock), m_notifier(notifier) {
  connect(m_form.StartLog, &QPushButton::clicked, this, &LogFileController::StartLogClick);
}

void LogFileController::StartLogClick() {
  if (m_active) {
    m_form.StartLog->setText("Go Log");
    setStatus(QStringLiteral("Запись в файл лога приостановлена (") + Cp1251::toUnicode(m_name) + ")");
    m_active = false;
    return;
  }
  if (!m_file.isOpen()) {
    const std::string name = ::LogFileName(m_clock.now());
    std::string error;
    if (!m_file.create(name, error)) {
      // Nothing was created: stay off, so the next click tries again.
      setStatus(QStringLiteral("Не удалось создать файл лога ") + Cp1251::toUnicode(name) + ": " +
                QString::fromLocal8Bit(error));
      m_notifier.error(&m_form, Cp1251::toUnicode(name) + ": " + QString::fromLocal8Bit(error));
      return;
    }
    m_name = name;
  }
  m_form.StartLog->setText("Pause Log");
  m_active = true;
  setStatus(QStringLiteral("Лог записывается в файл ") + Cp1251::toUnicode(m_name));
}

void LogFileController::write(std::string_view entry) {
  if (!m_active) return;
  std::string error;
  if (m_file.writeLine(entry, error)) return;
  // Stop before reporting: the error box runs a nested event loop in which
  // more entries may arrive, and each must not fail again.
  m_active = false;
  m_form.StartLog->setText("Go Log");
  setStatus(QStringLiteral("Запись в файл лога остановлена из-за ошибки (") + Cp1251::toUnicode(m_name) +
            ": " + QString::fromLocal8Bit(error) + ")");
  m_notifier.error(&m_form, Cp1251::toUnicode(m_name) + ": " + QString::fromLocal8Bit(error));
}

void LogFileController::close() {
  m_active = false;
  m_file.close();
}

void LogFileController::setStatus(const QString& text) {
  m_form.STLog->setText(text);
}
