#pragma once
// Sleeper: the program's own short blocking waits (before an open, after a
// reconnection). Tests replace it so they do not wait.

class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void sleepMs(int milliseconds) = 0;
};
