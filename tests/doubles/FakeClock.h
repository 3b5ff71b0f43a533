#pragma once
// FakeClock: a clock whose hands the test sets and moves.

#include "platform/Clock.h"

class FakeClock : public Clock {
 public:
  LocalTime time;
  LocalTime now() const override { return time; }

  // Moves the clock forward by ms milliseconds, carrying into seconds,
  // minutes, hours and weekdays (the date fields are left alone).
  void advanceMs(int ms) {
    long long total =
        ((((time.weekday - 1) * 24LL + time.hour) * 60 + time.minute) * 60 + time.second) * 1000 +
        time.millisecond + ms;
    const long long week = 7LL * 24 * 3600 * 1000;
    total = ((total % week) + week) % week;
    time.millisecond = static_cast<int>(total % 1000);
    total /= 1000;
    time.second = static_cast<int>(total % 60);
    total /= 60;
    time.minute = static_cast<int>(total % 60);
    total /= 60;
    time.hour = static_cast<int>(total % 24);
    time.weekday = static_cast<int>(total / 24) + 1;
  }
};
