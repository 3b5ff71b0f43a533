#include "receive/SeparationTime.h"

#include <algorithm>

namespace {

constexpr int kMaxSeparationMs = 100000;

// The step taken from value: finer near zero so small separation times can be
// set exactly, coarse in the thousands where a few milliseconds do not matter.
int stepFrom(int value) {
  if (value < 10) return 1;
  if (value < 100) return 5;
  if (value < 1000) return 50;
  if (value < 10000) return 500;
  return 5000;
}

}  // namespace

int stepSeparationTime(int value, bool up) {
  if (up) {
    // A value restored from the settings file may lie outside the range; any
    // up click brings it back to the top of the range.
    if (value < kMaxSeparationMs) value += stepFrom(value);
    return std::min(value, kMaxSeparationMs);
  }
  if (value <= 0) return value;
  // From the top the first click halves the value, so a long separation time
  // can be left quickly.
  if (value >= kMaxSeparationMs) return value - 50000;
  return value - stepFrom(value);
}
