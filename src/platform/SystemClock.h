#pragma once
// SystemClock: the local wall clock with milliseconds and the ISO weekday
// (1 Monday .. 7 Sunday), read fresh on every call.

#include "platform/Clock.h"

class SystemClock : public Clock {
 public:
  LocalTime now() const override;
};
