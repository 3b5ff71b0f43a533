#pragma once
// PosixSerialPort: the serial port over raw termios, for Linux and other
// POSIX systems.
//
// open() takes the device exclusively (TIOCEXCL and an flock, so a second
// opener, root included, is refused), puts the line in raw mode without flow
// control and drops DTR and RTS where the device has modem lines. The line
// settings are applied only by configure(), which reads them back and refuses
// what the device did not take. configure() doubles as the supervisor's
// once-a-second probe: on a device that went away it fails at once (poll
// reports a hang-up, tcsetattr/tcgetattr fail with EIO).
// Nothing here spins or waits without a deadline: a dead device makes every
// call return at once, and write() gives up after a deadline proportional to
// the amount of data and the baud rate.
// Owned by the application and used through SerialPort by SerialLink.

#include "platform/SerialPort.h"

class PosixSerialPort : public SerialPort {
 public:
  PosixSerialPort() = default;
  ~PosixSerialPort() override;
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  bool open(const std::string& path) override;
  bool isHeld() const override { return m_fd >= 0; }
  bool configure(const LineSettings& settings) override;
  void purge() override;
  int bytesWaiting() override;
  int read(char* buffer, int maxBytes) override;
  int write(const char* data, int count) override;
  void close() override;

 private:
  // True when poll() reports the device hung up or the handle unusable.
  bool deviceGone() const;

  int m_fd = -1;
  int m_baudRate = 0;  // of the last accepted configuration, for write deadlines
};
