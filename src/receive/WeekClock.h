#pragma once
// The week clock: milliseconds since Monday 00:00:00.000 local time, 0 to
// 604 799 999. It returns to 0 once a week, at the start of Monday.

#include "platform/Clock.h"

int WeekClockMs(const LocalTime& t);
