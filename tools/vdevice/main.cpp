// vdevice: a virtual serial device on a pseudo-terminal, for tests, demos
// and benchmarks.
//
//   vdevice [--link PATH] [--mode echo|answer|silent] [--answer TEXT]
//           [--stream N --kind text|binary]
//
// It prints "ready <path>" once the line is raw and can be opened; <path> is
// the --link symlink when given (it then keeps pointing at the current
// pseudo-terminal across unplug/plug), else the /dev/pts/N slave.
// Device behaviour: echo sends back what it receives; answer sends TEXT and
// CR LF for every received line (CR, LF or CR LF ends a line); silent
// discards. Received bytes are always counted.
// Control, one command per line on stdin, each answered by one stdout line:
//   mode echo | mode silent | mode answer TEXT   -> "mode ..." as given
//   stream N text|binary  -> "streamed N" once all N bytes are written
//                            ("stream aborted K" on unplug or a new stream)
//   count                 -> "received N"
//   termios               -> "termios <baud> <databits> <stopbits>"
//   unplug                -> "unplugged"      (master closed, link removed)
//   plug                  -> "plugged <path>" (a new pty, link re-pointed)
//   quit                  -> "bye"            (also on end of stdin, SIGTERM)
// The streamed bytes are StreamPattern::make(kind, N), see StreamPattern.h.
// Everything waits in one poll(); a closed master is never polled.

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "PtyEnd.h"
#include "StreamPattern.h"

namespace {

volatile sig_atomic_t g_stop = 0;
void onSignal(int) {
  g_stop = 1;
}

enum class Mode { Echo, Answer, Silent };

// Output beyond this much unsent echo makes the device stop reading, the
// way a real device with a full buffer would hold its input.
constexpr size_t kMaxPendingEcho = 65536;
constexpr size_t kStreamChunk = 16384;

void say(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

struct Stream {
  bool active = false;
  long total = 0;
  long generated = 0;
  long written = 0;
  StreamPattern::Generator generator{StreamPattern::Kind::Text};
  std::string queue;
};

class VirtualDevice {
 public:
  VirtualDevice(Mode mode, std::string answer, std::string link)
      : m_mode(mode), m_answer(std::move(answer)), m_pty(std::move(link)) {}

  bool start() { return m_pty.plug(); }
  const PtyEnd& pty() const { return m_pty; }

  // Handles one control line; false when the program should end.
  bool command(const std::string& line);
  void startStream(long count, StreamPattern::Kind kind);
  // One round of poll(); false when the program should end.
  bool step();

 private:
  void received(const char* data, size_t n);
  void writePending();
  void abortStream();
  void readStdin();

  Mode m_mode;
  std::string m_answer;
  PtyEnd m_pty;
  long m_received = 0;
  bool m_lastWasCr = false;
  std::string m_echo;
  Stream m_stream;
  std::string m_stdinBuffer;
  bool m_stdinOpen = true;
  bool m_quit = false;
};

bool VirtualDevice::command(const std::string& line) {
  if (line == "mode echo") {
    m_mode = Mode::Echo;
    say(line);
  } else if (line == "mode silent") {
    m_mode = Mode::Silent;
    say(line);
  } else if (line.rfind("mode answer", 0) == 0) {
    m_mode = Mode::Answer;
    m_answer = line.size() > 12 ? line.substr(12) : std::string();
    say(line);
  } else if (line.rfind("stream ", 0) == 0) {
    char kind[16] = {};
    long count = 0;
    if (std::sscanf(line.c_str(), "stream %ld %15s", &count, kind) != 2 || count < 0 ||
        (std::string(kind) != "text" && std::string(kind) != "binary")) {
      say("error bad stream request");
    } else if (!m_pty.plugged()) {
      say("error unplugged");
    } else {
      startStream(count,
                  std::string(kind) == "text" ? StreamPattern::Kind::Text : StreamPattern::Kind::Binary);
    }
  } else if (line == "count") {
    say("received " + std::to_string(m_received));
  } else if (line == "termios") {
    say(m_pty.plugged() ? "termios " + m_pty.lineSettings() : std::string("error unplugged"));
  } else if (line == "unplug") {
    abortStream();
    m_echo.clear();
    m_pty.unplug();
    say("unplugged");
  } else if (line == "plug") {
    if (m_pty.plugged() || m_pty.plug()) {
      say("plugged " + m_pty.publicPath());
    } else {
      say("error plug failed");
    }
  } else if (line == "quit") {
    say("bye");
    return false;
  } else {
    say("error unknown command");
  }
  return true;
}

void VirtualDevice::startStream(long count, StreamPattern::Kind kind) {
  abortStream();
  m_stream = Stream{};
  m_stream.active = true;
  m_stream.total = count;
  m_stream.generator = StreamPattern::Generator(kind);
  if (count == 0) {
    m_stream.active = false;
    say("streamed 0");
  }
}

void VirtualDevice::abortStream() {
  if (!m_stream.active) return;
  say("stream aborted " + std::to_string(m_stream.written));
  m_stream.active = false;
  m_stream.queue.clear();
}

void VirtualDevice::received(const char* data, size_t n) {
  m_received += static_cast<long>(n);
  if (m_mode == Mode::Echo) {
    m_echo.append(data, n);
  } else if (m_mode == Mode::Answer) {
    for (size_t i = 0; i < n; ++i) {
      const bool cr = data[i] == '\r';
      // CR LF is one line end, not two.
      if (cr || (data[i] == '\n' && !m_lastWasCr)) m_echo += m_answer + "\r\n";
      m_lastWasCr = cr;
    }
  }
}

void VirtualDevice::writePending() {
  // Answers and echoes go before streamed data, the way a device would
  // interleave its replies.
  if (!m_echo.empty()) {
    ssize_t n = m_pty.write(m_echo.data(), m_echo.size());
    if (n > 0) m_echo.erase(0, static_cast<size_t>(n));
    return;
  }
  if (!m_stream.active) return;
  if (m_stream.queue.empty() && m_stream.generated < m_stream.total) {
    size_t chunk = static_cast<size_t>(
        std::min<long>(static_cast<long>(kStreamChunk), m_stream.total - m_stream.generated));
    m_stream.queue.resize(chunk);
    m_stream.generator.fill(m_stream.queue.data(), chunk);
    m_stream.generated += static_cast<long>(chunk);
  }
  ssize_t n = m_pty.write(m_stream.queue.data(), m_stream.queue.size());
  if (n > 0) {
    m_stream.queue.erase(0, static_cast<size_t>(n));
    m_stream.written += n;
  }
  if (m_stream.written == m_stream.total) {
    m_stream.active = false;
    say("streamed " + std::to_string(m_stream.total));
  }
}

void VirtualDevice::readStdin() {
  char buffer[4096];
  ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
  if (n <= 0) {
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
    m_stdinOpen = false;  // whoever drove us is gone: end like "quit"
    m_quit = true;
    return;
  }
  m_stdinBuffer.append(buffer, static_cast<size_t>(n));
  size_t end;
  while (!m_quit && (end = m_stdinBuffer.find('\n')) != std::string::npos) {
    std::string line = m_stdinBuffer.substr(0, end);
    m_stdinBuffer.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!command(line)) m_quit = true;
  }
}

bool VirtualDevice::step() {
  if (m_quit || g_stop) return false;
  pollfd fds[2];
  nfds_t count = 0;
  int stdinIndex = -1;
  int masterIndex = -1;
  if (m_stdinOpen) {
    stdinIndex = static_cast<int>(count);
    fds[count++] = pollfd{STDIN_FILENO, POLLIN, 0};
  }
  if (m_pty.plugged()) {
    short events = 0;
    if (m_echo.size() < kMaxPendingEcho) events |= POLLIN;
    if (!m_echo.empty() || m_stream.active) events |= POLLOUT;
    masterIndex = static_cast<int>(count);
    fds[count++] = pollfd{m_pty.master(), events, 0};
  }
  if (count == 0) return false;
  if (poll(fds, count, -1) < 0) return errno == EINTR && !g_stop;

  if (masterIndex >= 0) {
    const short revents = fds[masterIndex].revents;
    if (revents & POLLIN) {
      char buffer[4096];
      ssize_t n = m_pty.read(buffer, sizeof buffer);
      if (n > 0) received(buffer, static_cast<size_t>(n));
    }
    if (revents & POLLOUT) writePending();
    // The slave is kept open, so a hang-up here means the pty itself broke;
    // polling it further would only spin.
    if ((revents & (POLLHUP | POLLERR | POLLNVAL)) && !(revents & POLLIN)) {
      abortStream();
      m_pty.unplug();
    }
  }
  if (stdinIndex >= 0 && (fds[stdinIndex].revents & (POLLIN | POLLHUP | POLLERR))) readStdin();
  return !m_quit && !g_stop;
}

[[noreturn]] void usage() {
  std::fputs(
      "usage: vdevice [--link PATH] [--mode echo|answer|silent] [--answer TEXT]"
      " [--stream N --kind text|binary]\n",
      stderr);
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  std::string link;
  std::string answer;
  Mode mode = Mode::Echo;
  long streamCount = -1;
  StreamPattern::Kind kind = StreamPattern::Kind::Text;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) usage();
    const std::string value = argv[++i];
    if (arg == "--link") {
      link = value;
    } else if (arg == "--answer") {
      answer = value;
    } else if (arg == "--mode") {
      if (value == "echo") {
        mode = Mode::Echo;
      } else if (value == "answer") {
        mode = Mode::Answer;
      } else if (value == "silent") {
        mode = Mode::Silent;
      } else {
        usage();
      }
    } else if (arg == "--stream") {
      char* end = nullptr;
      streamCount = std::strtol(value.c_str(), &end, 10);
      if (*end != '\0' || streamCount < 0) usage();
    } else if (arg == "--kind") {
      if (value != "text" && value != "binary") usage();
      kind = value == "text" ? StreamPattern::Kind::Text : StreamPattern::Kind::Binary;
    } else {
      usage();
    }
  }

  struct sigaction action {};
  action.sa_handler = onSignal;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);

  VirtualDevice device(mode, answer, link);
  if (!device.start()) {
    std::fputs("vdevice: cannot create a pseudo-terminal\n", stderr);
    return 1;
  }
  say("ready " + device.pty().publicPath());
  if (streamCount >= 0) device.startStream(streamCount, kind);
  while (device.step()) {
  }
  return 0;
}
