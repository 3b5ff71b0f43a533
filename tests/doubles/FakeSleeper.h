#pragma once
// FakeSleeper: records the waits instead of waiting.

#include <vector>

#include "platform/Sleeper.h"

class FakeSleeper : public Sleeper {
 public:
  std::vector<int> waits;
  void sleepMs(int milliseconds) override { waits.push_back(milliseconds); }
};
