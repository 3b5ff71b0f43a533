#include "platform/PosixSerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>

namespace {

struct BaudCode {
  int baud;
  speed_t code;
};

// The rates termios can express; the program offers 1200..115200, the rest
// are accepted for names typed by hand in a stored settings file.
constexpr BaudCode kBaudTable[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
    {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
    {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
    {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
    {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
};

bool baudCode(int baud, speed_t& code) {
  for (const BaudCode& entry : kBaudTable) {
    if (entry.baud == baud) {
      code = entry.code;
      return true;
    }
  }
  return false;
}

tcflag_t sizeFlag(int dataBits) {
  switch (dataBits) {
    case 5:
      return CS5;
    case 6:
      return CS6;
    case 7:
      return CS7;
    default:
      return CS8;
  }
}

// Raw bytes both ways, receiver on, modem status ignored, no parity, no
// flow control of either kind. Reads never wait (VMIN = VTIME = 0).
void makeRaw(termios& t) {
  cfmakeraw(&t);
  t.c_cflag |= CLOCAL | CREAD;
  t.c_cflag &= ~(PARENB | PARODD | CRTSCTS | HUPCL);
  t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
}

}  // namespace

PosixSerialPort::~PosixSerialPort() {
  close();
}

bool PosixSerialPort::open(const std::string& path) {
  // A new open replaces whatever was held, so an old descriptor can never
  // keep the lock on the device we are about to open.
  close();
  int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  // The lock is what keeps a second program (and root) out; TIOCEXCL alone
  // does not stop a privileged opener.
  if (!isatty(fd) || flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0) {
    ::close(fd);
    return false;
  }
  termios t{};
  if (tcgetattr(fd, &t) != 0) {
    ::close(fd);
    return false;
  }
  makeRaw(t);
  if (tcsetattr(fd, TCSANOW, &t) != 0) {
    ioctl(fd, TIOCNXCL);
    ::close(fd);
    return false;
  }
  // A pseudo-terminal has no modem lines and refuses this; that is fine.
  int lines = TIOCM_DTR | TIOCM_RTS;
  ioctl(fd, TIOCMBIC, &lines);
  m_fd = fd;
  m_baudRate = 0;
  return true;
}

bool PosixSerialPort::deviceGone() const {
  // POLLHUP, POLLERR and POLLNVAL are reported whatever events are asked for.
  pollfd p{m_fd, 0, 0};
  if (poll(&p, 1, 0) < 0) return errno != EINTR;
  return (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

bool PosixSerialPort::configure(const LineSettings& settings) {
  if (m_fd < 0 || deviceGone()) return false;
  speed_t speed = 0;
  if (!baudCode(settings.baudRate, speed)) return false;
  if (settings.dataBits < 5 || settings.dataBits > 8) return false;
  // Linux has no one-and-a-half stop bits.
  if (settings.stopBitsCode != 0 && settings.stopBitsCode != 2) return false;

  termios t{};
  if (tcgetattr(m_fd, &t) != 0) return false;
  makeRaw(t);
  t.c_cflag = (t.c_cflag & ~CSIZE) | sizeFlag(settings.dataBits);
  if (settings.stopBitsCode == 2) {
    t.c_cflag |= CSTOPB;
  } else {
    t.c_cflag &= ~CSTOPB;
  }
  cfsetispeed(&t, speed);
  cfsetospeed(&t, speed);
  // tcsetattr succeeds when any part of the request took, so the settings
  // are read back: a pty, for one, silently keeps CS8 when asked for CS5.
  if (tcsetattr(m_fd, TCSANOW, &t) != 0) return false;
  termios back{};
  if (tcgetattr(m_fd, &back) != 0) return false;
  if (cfgetospeed(&back) != speed || (back.c_cflag & CSIZE) != (t.c_cflag & CSIZE) ||
      (back.c_cflag & CSTOPB) != (t.c_cflag & CSTOPB)) {
    return false;
  }
  m_baudRate = settings.baudRate;
  return true;
}

void PosixSerialPort::purge() {
  if (m_fd >= 0) tcflush(m_fd, TCIOFLUSH);
}

int PosixSerialPort::bytesWaiting() {
  if (m_fd < 0) return 0;
  int count = 0;
  if (ioctl(m_fd, FIONREAD, &count) != 0 || count < 0) return 0;
  return count;
}

int PosixSerialPort::read(char* buffer, int maxBytes) {
  if (m_fd < 0 || maxBytes <= 0) return 0;
  ssize_t n = ::read(m_fd, buffer, static_cast<size_t>(maxBytes));
  return n > 0 ? static_cast<int>(n) : 0;
}

int PosixSerialPort::write(const char* data, int count) {
  if (m_fd < 0 || count <= 0) return 0;
  // Eleven bit times a byte covers start, eight data, parity and stop bits;
  // the extra second absorbs driver latency. A device that takes nothing for
  // that long is stuck, and the program must not freeze with it.
  const int64_t baud = m_baudRate > 0 ? m_baudRate : 9600;
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(int64_t{count} * 11 * 1000 / baud + 1000);
  int done = 0;
  while (done < count) {
    ssize_t n = ::write(m_fd, data + done, static_cast<size_t>(count - done));
    if (n > 0) {
      done += static_cast<int>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) break;
    auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd p{m_fd, POLLOUT, 0};
    int ready = poll(&p, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno != EINTR) break;
    if (ready > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) break;
  }
  return done;
}

void PosixSerialPort::close() {
  if (m_fd < 0) return;
  // Output still queued for a stuck device would make close() wait for it
  // (up to half a minute on a serial driver); the program purges before
  // closing anyway. The exclusive flag belongs to the tty, not to this
  // descriptor, and would keep a non-root reopen out while anyone else (a
  // device emulator, say) still holds the line.
  tcflush(m_fd, TCOFLUSH);
  ioctl(m_fd, TIOCNXCL);
  ::close(m_fd);
  m_fd = -1;
  m_baudRate = 0;
}
