#include "PtyEnd.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>

namespace {

struct SpeedName {
  speed_t code;
  int baud;
};

constexpr SpeedName kSpeeds[] = {
    {B50, 50},           {B75, 75},           {B110, 110},         {B134, 134},         {B150, 150},
    {B200, 200},         {B300, 300},         {B600, 600},         {B1200, 1200},       {B1800, 1800},
    {B2400, 2400},       {B4800, 4800},       {B9600, 9600},       {B19200, 19200},     {B38400, 38400},
    {B57600, 57600},     {B115200, 115200},   {B230400, 230400},   {B460800, 460800},   {B500000, 500000},
    {B576000, 576000},   {B921600, 921600},   {B1000000, 1000000}, {B1152000, 1152000}, {B1500000, 1500000},
    {B2000000, 2000000}, {B2500000, 2500000}, {B3000000, 3000000}, {B3500000, 3500000}, {B4000000, 4000000},
};

int baudOf(speed_t code) {
  for (const SpeedName& s : kSpeeds) {
    if (s.code == code) return s.baud;
  }
  return 0;
}

}  // namespace

bool PtyEnd::plug() {
  if (plugged()) return true;
  int master = -1;
  int slave = -1;
  char name[128] = {};
  if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return false;
  fcntl(master, F_SETFD, FD_CLOEXEC);
  fcntl(slave, F_SETFD, FD_CLOEXEC);
  fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
  termios t{};
  tcgetattr(slave, &t);
  cfmakeraw(&t);
  tcsetattr(slave, TCSANOW, &t);
  m_master = master;
  m_slaveKeep = slave;
  m_slavePath = name;
  if (!m_link.empty()) {
    const std::string fresh = m_link + ".new";
    unlink(fresh.c_str());
    if (symlink(m_slavePath.c_str(), fresh.c_str()) != 0 || rename(fresh.c_str(), m_link.c_str()) != 0) {
      unlink(fresh.c_str());
      unplug();
      return false;
    }
  }
  return true;
}

void PtyEnd::unplug() {
  if (!m_link.empty() && plugged()) unlink(m_link.c_str());
  if (m_slaveKeep >= 0) close(m_slaveKeep);
  if (m_master >= 0) close(m_master);
  m_slaveKeep = -1;
  m_master = -1;
}

std::string PtyEnd::lineSettings() const {
  termios t{};
  // On Linux the master reports the slave's settings.
  if (m_master < 0 || tcgetattr(m_master, &t) != 0) return "0 0 0";
  int dataBits = 8;
  switch (t.c_cflag & CSIZE) {
    case CS5:
      dataBits = 5;
      break;
    case CS6:
      dataBits = 6;
      break;
    case CS7:
      dataBits = 7;
      break;
    default:
      break;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%d %d %d", baudOf(cfgetospeed(&t)), dataBits,
                (t.c_cflag & CSTOPB) ? 2 : 1);
  return text;
}

ssize_t PtyEnd::read(char* buffer, size_t size) {
  return m_master >= 0 ? ::read(m_master, buffer, size) : -1;
}

ssize_t PtyEnd::write(const char* data, size_t size) {
  return m_master >= 0 ? ::write(m_master, data, size) : -1;
}
