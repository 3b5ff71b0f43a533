#include "receive/PacketAssembler.h"

#include "platform/SerialPort.h"

namespace {

// Clears the busy flag when the tick ends, however it ends: a hand-over that
// throws must not leave the poll stopped.
class BusyGuard {
 public:
  explicit BusyGuard(bool& flag) : m_flag(flag) { m_flag = true; }
  ~BusyGuard() { m_flag = false; }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  bool& m_flag;
};

}  // namespace

int PacketAssembler::RxTimerTick(SerialPort& port, const TickInput& in, const HandOver& handOver) {
  // A tick that arrives while the previous one is still handing over (from a
  // message box opened inside the hand-over) is skipped, and lets the next
  // one poll again.
  if (m_busy) {
    m_busy = false;
    return 0;
  }
  BusyGuard guard(m_busy);
  if (!in.portOpen) return 0;

  m_queueCount = port.bytesWaiting();
  const int got = m_queueCount > 0 ? ReadComInBufRx(port, m_queueCount) : 0;
  // The week clock returns to 0 on Monday morning; restart the gap from there
  // rather than wait a week.
  if (in.nowMs < m_lastRxMs) m_lastRxMs = in.nowMs;
  if (m_queueCount > 0) m_lastRxMs = in.nowMs;

  // An idle line with nothing gathered has nothing to hand over.
  if (m_length == 0) return got;
  const int idleMs = in.nowMs - m_lastRxMs;
  if (idleMs > in.idleTimeoutMs) {
    handOver(in.asciiMode);
  } else if (m_length > static_cast<unsigned>(kHandOverAbove)) {
    // Cut a long stream before the buffer fills: what does not fit now stays
    // in the driver for the next tick.
    handOver(false);
  }
  return got;
}

int PacketAssembler::ReadComInBufRx(SerialPort& port, int count) {
  const int room = kBufferSize - static_cast<int>(m_length);
  if (count > room) count = room;
  if (count <= 0) return 0;
  const int got = port.read(m_buffer.data() + m_length, count);
  if (got <= 0) return 0;
  m_length += static_cast<unsigned>(got);
  return got;
}
