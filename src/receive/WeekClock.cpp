#include "receive/WeekClock.h"

int WeekClockMs(const LocalTime& t) {
  return ((((t.weekday - 1) * 24 + t.hour) * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}
