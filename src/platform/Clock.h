#pragma once
// Clock: local date and time with milliseconds and weekday. Every reading of
// time in the program goes through here, so tests can set the hands.
// Implementations: SystemClock, tests/doubles/FakeClock.

struct LocalTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int weekday = 1;  // 1 Monday .. 7 Sunday
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() const = 0;
};
