#pragma once
// PtyEnd: the device end of the virtual device's pseudo-terminal.
//
// plug() creates a pty, puts the slave line in raw mode through a slave
// descriptor that stays open (so the line is raw before any program opens
// it, and the master never sees a hang-up when that program closes), and
// points the optional link at the slave. unplug() closes both ends and
// removes the link: a program holding the slave sees the device vanish.
// The link is replaced atomically, so it never dangles half-way.

#include <sys/types.h>

#include <string>

class PtyEnd {
 public:
  explicit PtyEnd(std::string link) : m_link(std::move(link)) {}
  ~PtyEnd() { unplug(); }
  PtyEnd(const PtyEnd&) = delete;
  PtyEnd& operator=(const PtyEnd&) = delete;

  bool plug();
  void unplug();
  bool plugged() const { return m_master >= 0; }
  int master() const { return m_master; }
  // The name a program should open: the link if there is one, else the slave.
  std::string publicPath() const { return m_link.empty() ? m_slavePath : m_link; }
  // "<baud> <databits> <stopbits>" as the program on the slave set them.
  std::string lineSettings() const;

  ssize_t read(char* buffer, size_t size);
  ssize_t write(const char* data, size_t size);

 private:
  std::string m_link;
  std::string m_slavePath;
  int m_master = -1;
  int m_slaveKeep = -1;
};
