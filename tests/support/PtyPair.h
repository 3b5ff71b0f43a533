#pragma once
// PtyPair: a pseudo-terminal opened by the test itself. The program under
// test opens slavePath() as its serial port; the test plays the device on
// the master side: writes what the device sends, reads what the program
// wrote, and reads the line settings the program applied.

#include <termios.h>

#include <string>

class PtyPair {
 public:
  PtyPair();
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  const std::string& slavePath() const { return m_slavePath; }
  int masterFd() const { return m_master; }

  // Device side: send bytes to the program.
  void send(const std::string& bytes);
  // Device side: everything the program has written, waiting up to
  // timeoutMs for at least `atLeast` bytes.
  std::string receive(size_t atLeast, int timeoutMs = 2000);
  // The line settings as the program left them.
  termios settings() const;
  // The device goes away: the master side closes.
  void hangUp();

 private:
  int m_master = -1;
  int m_slaveKeep = -1;
  std::string m_slavePath;
};
