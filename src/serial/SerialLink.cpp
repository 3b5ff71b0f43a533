#include "serial/SerialLink.h"

#include "platform/Sleeper.h"

bool SerialLink::OpenPort(const std::string& path, const LineSettings& settings) {
  // Release whatever an earlier open left behind (a device whose settings were
  // refused, or one that went away): holding it would keep the device busy
  // and make the open below fail.
  if (m_port.isHeld()) m_port.close();
  m_open = false;
  m_sleeper.sleepMs(5);
  if (path.empty() || !m_port.open(path)) return false;
  m_config = settings;
  m_open = m_port.configure(m_config);
  return m_open;
}

void SerialLink::ClosePort() {
  if (!m_open) return;
  m_port.purge();
  m_port.close();
  m_open = false;
}

bool SerialLink::probe() {
  return m_port.configure(m_config);
}
