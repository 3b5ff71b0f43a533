#pragma once
// ReceiveController: the 1 ms receive tick and the rendering of each packet
// into the log. The tick polls the port through the packet assembler; each
// packet it hands over is rendered (ASCII or HEX), stamped, filtered,
// counted, timed against the previous one and appended to the log, and then
// the scheduler's after-answer step runs. Also the separation-time arrows.

#include <QObject>
#include <functional>

#include "receive/PacketAssembler.h"

class Clock;
class LogView;
class SerialLink;
class TForm1;
struct ByteTotals;

class ReceiveController : public QObject {
  Q_OBJECT
 public:
  ReceiveController(TForm1& form, SerialLink& link, LogView& log, ByteTotals& totals, Clock& clock);

  void RxTimerTimer();
  // Renders the whole buffer as one packet. In ASCII mode without gapPassed
  // it renders only a buffer ending in CR or LF or holding over 1500 bytes.
  void ReadBufRxInLog(bool gapPassed);
  void TimeOutRxClick(bool up);

  // Sets the separation time and shows it (yellow when not 0).
  void setRxIdleTimeoutMs(int value);
  int RxIdleTimeoutMs() const { return m_idleTimeoutMs; }
  PacketAssembler& assembler() { return m_assembler; }

  // The scheduler's after-answer step, run after every rendered packet.
  std::function<void()> SendAfterAnswer;

 private:
  TForm1& m_form;
  SerialLink& m_link;
  LogView& m_log;
  ByteTotals& m_totals;
  Clock& m_clock;
  PacketAssembler m_assembler;
  int m_idleTimeoutMs = 0;
};
