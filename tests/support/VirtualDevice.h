#pragma once
// VirtualDevice: runs the vdevice tool as a child process and drives it.
//
// The constructor starts the device and waits until it is ready, so path()
// can be opened at once. Control commands go to the child's stdin; each
// request waits, with a deadline, for the answer line that starts with the
// expected word (lines that arrive meanwhile, such as a late "streamed N",
// are kept for later requests). Failures throw std::runtime_error, which
// fails the test with a message instead of hanging it.
// The destructor asks the device to quit, then kills it by pid and reaps it,
// so no test leaves a process behind. The streamed bytes are described in
// tools/vdevice/StreamPattern.h.

#include <sys/types.h>

#include <deque>
#include <string>

class VirtualDevice {
 public:
  struct Options {
    std::string link;           // symlink to the current pty; empty: none
    std::string mode = "echo";  // echo, answer or silent
    std::string answer;         // the answer text in answer mode
  };

  VirtualDevice() : VirtualDevice(Options{}) {}
  explicit VirtualDevice(const Options& options);
  ~VirtualDevice();
  VirtualDevice(const VirtualDevice&) = delete;
  VirtualDevice& operator=(const VirtualDevice&) = delete;

  // What a program opens: the link if one was asked for, else /dev/pts/N.
  const std::string& path() const { return m_path; }
  pid_t pid() const { return m_pid; }

  // Sends one control line and returns the answer line starting with
  // `expect` (the whole line).
  std::string request(const std::string& command, const std::string& expect, int timeoutMs = 10000);
  // Waits for a line starting with `expect` without sending anything.
  std::string waitFor(const std::string& expect, int timeoutMs = 10000);

  // "echo", "silent" or "answer TEXT".
  void setMode(const std::string& mode);
  long received();
  // The line settings the program applied: "<baud> <databits> <stopbits>".
  std::string termios();
  void unplug();
  // A new pty; returns the path to open (the same link when there is one).
  std::string plug();
  // Starts sending `count` bytes of the text or binary pattern; the device
  // says "streamed N" once they are all written (see waitFor).
  void startStream(long count, const std::string& kind);

 private:
  void shutDown();
  void send(const std::string& line);
  bool readLine(std::string& line, int timeoutMs);

  pid_t m_pid = -1;
  int m_toChild = -1;
  int m_fromChild = -1;
  std::string m_path;
  std::string m_buffer;
  std::deque<std::string> m_pending;
};
