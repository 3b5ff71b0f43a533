#pragma once
// SystemClock: the local wall clock with milliseconds and the ISO weekday
// (1 Monday .. 7 Sunday).
//
// The receive poll reads the clock a thousand times a second. Turning a
// moment into local time makes the C library look at the time-zone file on
// every call, so the local fields are worked out once per second and only
// the milliseconds are added to them in between.

#include <cstdint>

#include "platform/Clock.h"

class SystemClock : public Clock {
 public:
  LocalTime now() const override;

 private:
  mutable std::int64_t m_cachedSecond = INT64_MIN;  // seconds since the epoch
  mutable LocalTime m_cached;
};
