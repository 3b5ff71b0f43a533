#pragma once
// SerialPort: one serial device, opened by path, polled from the UI thread.
//
// The program never blocks waiting for input: the receive tick asks how many
// bytes are waiting and reads only those. Writes are synchronous: write()
// returns once the driver has taken every byte (or the device failed).
// The handle keeps existing after a refused configuration ("held but not
// open"); close() releases it. configure() on a device that went away fails,
// which is how the connection supervisor notices an unplugged adapter.
// Implementations: PosixSerialPort (termios), tests/doubles/FakeSerialPort.

#include <cstddef>
#include <string>

struct LineSettings {
  int baudRate = 0;
  int dataBits = 8;
  int stopBitsCode = 0;  // 0 one stop bit, 1 one and a half, 2 two

  bool operator==(const LineSettings&) const = default;
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Opens the device exclusively (raw, no parity, no flow control, DTR and
  // RTS held off where the device has them). False when it cannot be opened.
  virtual bool open(const std::string& path) = 0;
  // True while a handle is held, working or not.
  virtual bool isHeld() const = 0;
  // Applies the line settings. False when no handle is held, the device is
  // gone, or the device does not support the combination.
  virtual bool configure(const LineSettings& settings) = 0;
  // Discards pending input and output.
  virtual void purge() = 0;
  // Bytes received by the driver and not yet read; 0 on error.
  virtual int bytesWaiting() = 0;
  // Reads at most maxBytes without waiting; returns the count read (0 on error).
  virtual int read(char* buffer, int maxBytes) = 0;
  // Writes all bytes, waiting for the driver; returns the count accepted.
  virtual int write(const char* data, int count) = 0;
  virtual void close() = 0;
};
