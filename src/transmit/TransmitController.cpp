#include "transmit/TransmitController.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>

#include "platform/Clock.h"
#include "platform/Cp1251.h"
#include "platform/Notifier.h"
#include "receive/LogEntry.h"
#include "receive/LogView.h"
#include "sending/CommandHistory.h"
#include "serial/SerialLink.h"
#include "transmit/ByteTotals.h"
#include "transmit/ChecksumTemplates.h"
#include "transmit/PayloadEncoder.h"
#include "ui/TForm1.h"

namespace {
class BusyFlag {
 public:
  explicit BusyFlag(bool& flag) : m_flag(flag) { m_flag = true; }
  ~BusyFlag() { m_flag = false; }

 private:
  bool& m_flag;
};
}  // namespace

TransmitController::TransmitController(TForm1& form, SerialLink& link, CommandHistory& history, LogView& log,
                                       ByteTotals& totals, Clock& clock, Notifier& notifier)
    : m_form(form),
      m_link(link),
      m_history(history),
      m_log(log),
      m_totals(totals),
      m_clock(clock),
      m_notifier(notifier) {}

void TransmitController::SendPortData(const std::string& line) {
  if (m_sendBusy) return;
  BusyFlag busy(m_sendBusy);
  if (!m_link.PortOpen()) {
    if (m_openPortError) m_notifier.showModal(m_openPortError);
    return;
  }
  // The tail is never sent on its own.
  if (line.empty()) return;
  transmit(line);
}

void TransmitController::transmit(const std::string& line) {
  if (m_history.AddOldCmd(line) && onHistoryChanged) onHistoryChanged();

  const OutputMode mode = m_form.RBHEX->isChecked() ? OutputMode::Hex : OutputMode::Ascii;
  // Checksums are taken over the line actually being sent, whatever its
  // source, so a macro or file line carries its own checksum.
  const std::string tail = ConvAddStr(Cp1251::fromUnicode(m_form.AddStrCmd->text()), line, mode);
  const EncodedPayload payload = encodePayload(line, tail, mode);

  std::optional<LocalTime> stamp;
  if (m_form.VisTime->isChecked()) stamp = m_clock.now();
  const std::string entry = sentEntry(payload.echo, stamp);
  PacketStatistics& stats = m_log.statistics();
  if (m_log.passes(entry)) {
    m_log.append(entry);
    ++stats.TxPacketCount;
  }

  SerialPort& port = m_link.port();
  port.purge();
  m_totals.addTx(static_cast<int>(payload.bytes.size()));
  m_log.labels().setText(m_form.StaticText3, QString::fromStdString(m_totals.label()));
  port.write(payload.bytes.data(), static_cast<int>(payload.bytes.size()));
  m_log.labels().setText(m_form.LSend, QString::fromStdString(stats.sendLabel()));
}
