#include "assist/HousekeepingController.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "platform/Clock.h"
#include "ui/LogWindow.h"
#include "ui/TForm1.h"

HousekeepingController::HousekeepingController(TForm1& form, Clock& clock) : m_form(form), m_clock(clock) {
  connect(m_form.CustomFunctions, &QTimer::timeout, this, &HousekeepingController::CustomFunctionsTimer);
}

void HousekeepingController::CustomFunctionsTimer() {
  QTimer* supervisor = m_form.CheckConnect;
  const bool supervise = m_form.AutoConnect->isChecked();
  if (supervise && !supervisor->isActive()) supervisor->start();
  if (!supervise && supervisor->isActive()) supervisor->stop();

  if (m_form.FastOldCmd->width() != m_form.MainStrCmd->width())
    m_form.FastOldCmd->resize(m_form.MainStrCmd->width(), m_form.FastOldCmd->height());

  if (m_form.MainWindow->blockCount() > kMaxLogLines) m_form.MainWindow->clear();

  // Only a changed text is set: the label would otherwise repaint every tick.
  const LocalTime now = m_clock.now();
  const QString time = QStringLiteral("%1:%2:%3")
                           .arg(now.hour)
                           .arg(now.minute, 2, 10, QLatin1Char('0'))
                           .arg(now.second, 2, 10, QLatin1Char('0'));
  if (m_form.TextTime->text() != time) m_form.TextTime->setText(time);
}
