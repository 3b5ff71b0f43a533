#include "receive/ReceiveController.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <optional>

#include "platform/Clock.h"
#include "receive/LogEntry.h"
#include "receive/LogView.h"
#include "receive/SeparationTime.h"
#include "receive/WeekClock.h"
#include "serial/SerialLink.h"
#include "transmit/ByteTotals.h"
#include "ui/Colors.h"
#include "ui/TForm1.h"
#include "ui/UpDownArrows.h"
#include "ui/WidgetColors.h"

ReceiveController::ReceiveController(TForm1& form, SerialLink& link, LogView& log, ByteTotals& totals,
                                     Clock& clock)
    : m_form(form), m_link(link), m_log(log), m_totals(totals), m_clock(clock) {
  connect(m_form.RxTimer, &QTimer::timeout, this, &ReceiveController::RxTimerTimer);
  connect(m_form.TimeOutRx, &UpDownArrows::stepped, this, &ReceiveController::TimeOutRxClick);
}

void ReceiveController::RxTimerTimer() {
  PacketAssembler::TickInput in;
  in.portOpen = m_link.PortOpen();
  if (in.portOpen) in.nowMs = WeekClockMs(m_clock.now());
  in.idleTimeoutMs = m_idleTimeoutMs;
  in.asciiMode = !m_form.RBHEX->isChecked();
  const int got =
      m_assembler.RxTimerTick(m_link.port(), in, [this](bool gapPassed) { ReadBufRxInLog(gapPassed); });
  if (got > 0) {
    m_totals.addRx(got);
    m_log.labels().setText(m_form.StaticText3, QString::fromStdString(m_totals.label()));
  }
}

void ReceiveController::ReadBufRxInLog(bool gapPassed) {
  const std::string_view held = m_assembler.pending();
  if (held.empty()) return;
  const OutputMode mode = m_form.RBHEX->isChecked() ? OutputMode::Hex : OutputMode::Ascii;
  if (mode == OutputMode::Ascii && !gapPassed) {
    const char last = held.back();
    if (last != '\r' && last != '\n' && held.size() <= PacketAssembler::kHandOverAbove) return;
  }
  const std::string body = renderPacket(held, mode);
  m_assembler.clear();
  if (body.empty()) return;

  const LocalTime now = m_clock.now();
  std::optional<LocalTime> stamp;
  if (m_form.VisTime->isChecked()) stamp = now;
  const std::string entry = receivedEntry(body, stamp);
  if (m_log.passes(entry)) {
    PacketStatistics& stats = m_log.statistics();
    const bool gapsChanged = stats.recordReceived(WeekClockMs(now));
    m_log.labels().setText(m_form.LRead, QString::fromStdString(stats.readLabel()));
    if (gapsChanged) m_log.showGaps();
    m_log.append(entry);
  }
  if (SendAfterAnswer) SendAfterAnswer();
}

void ReceiveController::TimeOutRxClick(bool up) {
  setRxIdleTimeoutMs(stepSeparationTime(m_idleTimeoutMs, up));
}

void ReceiveController::setRxIdleTimeoutMs(int value) {
  m_idleTimeoutMs = value;
  m_form.TimeOutAns->setText(QStringLiteral("TimeRX: %1").arg(value));
  setBackgroundColor(m_form.TimeOutAns, value != 0 ? colors::yellow() : colors::buttonFace());
}
