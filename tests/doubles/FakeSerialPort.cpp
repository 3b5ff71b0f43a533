#include "doubles/FakeSerialPort.h"

#include <algorithm>
#include <cstring>

bool FakeSerialPort::open(const std::string& path) {
  if (m_held || unplugged || !existingPaths.count(path)) return false;
  m_held = true;
  openPath = path;
  ++openCount;
  return true;
}

bool FakeSerialPort::configure(const LineSettings& settings) {
  applied.push_back(settings);
  return m_held && !unplugged && accepts(settings);
}

void FakeSerialPort::purge() {
  ++purgeCount;
  incoming.clear();
}

int FakeSerialPort::bytesWaiting() {
  return m_held && !unplugged ? static_cast<int>(incoming.size()) : 0;
}

int FakeSerialPort::read(char* buffer, int maxBytes) {
  if (!m_held || unplugged) return 0;
  int n = std::min<int>(maxBytes, static_cast<int>(incoming.size()));
  std::memcpy(buffer, incoming.data(), static_cast<size_t>(n));
  incoming.erase(0, static_cast<size_t>(n));
  return n;
}

int FakeSerialPort::write(const char* data, int count) {
  if (!m_held || unplugged) return 0;
  written.append(data, static_cast<size_t>(count));
  return count;
}

void FakeSerialPort::close() {
  if (m_held) ++closeCount;
  m_held = false;
}
