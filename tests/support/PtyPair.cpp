#include "support/PtyPair.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

PtyPair::PtyPair() {
  char name[128];
  int slave = -1;
  if (openpty(&m_master, &slave, name, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
  m_slavePath = name;
  // Keep the slave open in raw mode until the program opens it, so nothing
  // the test sends early is echoed back or cooked.
  termios t{};
  tcgetattr(slave, &t);
  cfmakeraw(&t);
  tcsetattr(slave, TCSANOW, &t);
  m_slaveKeep = slave;
  fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair() {
  if (m_slaveKeep >= 0) close(m_slaveKeep);
  if (m_master >= 0) close(m_master);
}

void PtyPair::send(const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(m_master, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else {
      pollfd p{m_master, POLLOUT, 0};
      poll(&p, 1, 100);
    }
  }
}

std::string PtyPair::receive(size_t atLeast, int timeoutMs) {
  std::string out;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  char buf[4096];
  for (;;) {
    ssize_t n = read(m_master, buf, sizeof buf);
    if (n > 0) {
      out.append(buf, static_cast<size_t>(n));
      continue;
    }
    if (out.size() >= atLeast || std::chrono::steady_clock::now() >= deadline) break;
    pollfd p{m_master, POLLIN, 0};
    poll(&p, 1, 10);
  }
  return out;
}

termios PtyPair::settings() const {
  termios t{};
  tcgetattr(m_master, &t);
  return t;
}

void PtyPair::hangUp() {
  if (m_slaveKeep >= 0) close(m_slaveKeep);
  m_slaveKeep = -1;
  if (m_master >= 0) close(m_master);
  m_master = -1;
}
