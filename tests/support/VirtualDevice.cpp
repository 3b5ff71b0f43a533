#include "support/VirtualDevice.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <vector>

namespace {

using SteadyClock = std::chrono::steady_clock;

int msLeft(SteadyClock::time_point deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

VirtualDevice::VirtualDevice(const Options& options) {
  std::vector<std::string> args{QV_VDEVICE_PATH, "--mode", options.mode};
  if (!options.link.empty()) args.insert(args.end(), {"--link", options.link});
  if (!options.answer.empty()) args.insert(args.end(), {"--answer", options.answer});
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  // Commands go through a socket so that a device that died turns a send
  // into an error (MSG_NOSIGNAL) instead of a SIGPIPE for the whole test.
  int commands[2];
  int output[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, commands) != 0)
    throw std::runtime_error("socketpair");
  if (pipe2(output, O_CLOEXEC) != 0) {
    ::close(commands[0]);
    ::close(commands[1]);
    throw std::runtime_error("pipe");
  }
  const pid_t parent = getpid();
  m_pid = fork();
  if (m_pid == 0) {
    // A test that crashes must not leave its device running.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(126);
    dup2(commands[1], STDIN_FILENO);
    dup2(output[1], STDOUT_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  ::close(commands[1]);
  ::close(output[1]);
  m_toChild = commands[0];
  m_fromChild = output[0];
  if (m_pid < 0) {
    ::close(m_toChild);
    ::close(m_fromChild);
    throw std::runtime_error("fork");
  }
  try {
    m_path = waitFor("ready ").substr(6);
  } catch (...) {
    shutDown();
    throw;
  }
}

VirtualDevice::~VirtualDevice() {
  shutDown();
}

void VirtualDevice::shutDown() {
  if (m_pid > 0) {
    // Give it the chance to remove its link, then make sure it is gone.
    const std::string quit = "quit\n";
    ::send(m_toChild, quit.data(), quit.size(), MSG_NOSIGNAL);
    std::string line;
    auto deadline = SteadyClock::now() + std::chrono::seconds(3);
    while (readLine(line, msLeft(deadline))) {
    }
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
  }
  if (m_toChild >= 0) ::close(m_toChild);
  if (m_fromChild >= 0) ::close(m_fromChild);
  m_toChild = m_fromChild = -1;
}

void VirtualDevice::send(const std::string& line) {
  const std::string data = line + "\n";
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::send(m_toChild, data.data() + done, data.size() - done, MSG_NOSIGNAL);
    if (n <= 0) throw std::runtime_error("vdevice does not take commands: " + line);
    done += static_cast<size_t>(n);
  }
}

bool VirtualDevice::readLine(std::string& line, int timeoutMs) {
  auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    size_t end = m_buffer.find('\n');
    if (end != std::string::npos) {
      line = m_buffer.substr(0, end);
      m_buffer.erase(0, end + 1);
      return true;
    }
    if (m_fromChild < 0) return false;
    pollfd p{m_fromChild, POLLIN, 0};
    int ready = poll(&p, 1, msLeft(deadline));
    if (ready == 0) return false;
    if (ready < 0) continue;
    char chunk[1024];
    ssize_t n = ::read(m_fromChild, chunk, sizeof chunk);
    if (n <= 0) {
      // The device ended; nothing more will come.
      ::close(m_fromChild);
      m_fromChild = -1;
      return false;
    }
    m_buffer.append(chunk, static_cast<size_t>(n));
  }
}

std::string VirtualDevice::waitFor(const std::string& expect, int timeoutMs) {
  for (auto it = m_pending.begin(); it != m_pending.end(); ++it) {
    if (it->rfind(expect, 0) == 0) {
      std::string found = *it;
      m_pending.erase(it);
      return found;
    }
  }
  auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
  std::string line;
  while (readLine(line, msLeft(deadline))) {
    if (line.rfind(expect, 0) == 0) return line;
    m_pending.push_back(line);
  }
  throw std::runtime_error("vdevice gave no \"" + expect + "\" line in time");
}

std::string VirtualDevice::request(const std::string& command, const std::string& expect, int timeoutMs) {
  send(command);
  return waitFor(expect, timeoutMs);
}

void VirtualDevice::setMode(const std::string& mode) {
  request("mode " + mode, "mode ");
}

long VirtualDevice::received() {
  return std::stol(request("count", "received ").substr(9));
}

std::string VirtualDevice::termios() {
  return request("termios", "termios ").substr(8);
}

void VirtualDevice::unplug() {
  request("unplug", "unplugged");
}

std::string VirtualDevice::plug() {
  return request("plug", "plugged ").substr(8);
}

void VirtualDevice::startStream(long count, const std::string& kind) {
  send("stream " + std::to_string(count) + " " + kind);
}
