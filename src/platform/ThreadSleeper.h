#pragma once
// ThreadSleeper: the program's short blocking waits, on the calling thread.

#include "platform/Sleeper.h"

class ThreadSleeper : public Sleeper {
 public:
  void sleepMs(int milliseconds) override;
};
