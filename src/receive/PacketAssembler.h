#pragma once
// PacketAssembler: the receive poll. Each tick moves the bytes waiting in the
// driver into RxBuffer (never more than the room left) and decides whether
// what has gathered is a packet: when the line has been quiet longer than the
// separation time, or when more than 1500 bytes have gathered. A line end
// does not end a packet. Bytes that did not fit stay in the driver for the
// next tick, so nothing is lost here.
// Called by the receive controller every millisecond; the hand-over callback
// renders the buffer (and empties it through clear()).

#include <array>
#include <functional>
#include <string_view>

class SerialPort;

class PacketAssembler {
 public:
  static constexpr int kBufferSize = 2048;
  static constexpr int kHandOverAbove = 1500;

  struct TickInput {
    bool portOpen = false;
    int nowMs = 0;  // WeekClockMs of this tick
    int idleTimeoutMs = 0;
    bool asciiMode = true;
  };
  // gapPassed: the separation time has run out (only ever true in ASCII mode).
  using HandOver = std::function<void(bool gapPassed)>;

  // One tick. Returns the number of bytes read from the port in this tick.
  int RxTimerTick(SerialPort& port, const TickInput& in, const HandOver& handOver);

  std::string_view pending() const { return {m_buffer.data(), m_length}; }
  unsigned RxLength() const { return m_length; }
  void clear() { m_length = 0; }
  int RxQueueCount() const { return m_queueCount; }
  int LastRxMs() const { return m_lastRxMs; }
  bool RxBusy() const { return m_busy; }

 private:
  int ReadComInBufRx(SerialPort& port, int count);

  std::array<char, kBufferSize> m_buffer{};
  unsigned m_length = 0;
  int m_queueCount = 0;
  int m_lastRxMs = 0;
  bool m_busy = false;
};
