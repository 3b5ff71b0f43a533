#pragma once
// TransmitController: SendPortData, the one send operation. Every source of
// outgoing data hands it one line; it records the line in the history,
// appends the tail with its checksums, encodes, echoes into the log (when the
// echo passes the filter), counts, empties both driver queues and writes.
// With the port closed it shows the port-error window and does nothing
// else. SendBusy drops a send that arrives while another is in progress
// (from a nested message loop) and is released on every path.

#include <QObject>
#include <functional>
#include <string>

class Clock;
class CommandHistory;
class LogView;
class Notifier;
class QDialog;
class SerialLink;
class TForm1;
struct ByteTotals;

class TransmitController : public QObject {
  Q_OBJECT
 public:
  TransmitController(TForm1& form, SerialLink& link, CommandHistory& history, LogView& log,
                     ByteTotals& totals, Clock& clock, Notifier& notifier);

  void SendPortData(const std::string& line);

  // The window shown when sending with the port closed; it exists only once
  // start-up has finished.
  void setOpenPortErrorWindow(QDialog* window) { m_openPortError = window; }
  // Runs after a line has entered the history (the history drop-down may
  // need refilling).
  std::function<void()> onHistoryChanged;

  bool SendBusy() const { return m_sendBusy; }

 private:
  void transmit(const std::string& line);

  TForm1& m_form;
  SerialLink& m_link;
  CommandHistory& m_history;
  LogView& m_log;
  ByteTotals& m_totals;
  Clock& m_clock;
  Notifier& m_notifier;
  QDialog* m_openPortError = nullptr;
  bool m_sendBusy = false;
};
