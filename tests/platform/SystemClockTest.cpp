#include <gtest/gtest.h>

#include <QDateTime>

#include "platform/SystemClock.h"

namespace {

long long msOfWeek(const LocalTime& t) {
  return ((((t.weekday - 1) * 24LL + t.hour) * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

// The clock keeps the local fields of the current second; across many
// readings it must agree with the system's local time and never go back.
TEST(SystemClockTest, AgreesWithLocalTimeAndMovesForward) {
  SystemClock clock;
  long long previous = -1;
  for (int i = 0; i < 2000; ++i) {
    const LocalTime t = clock.now();
    const QDateTime reference = QDateTime::currentDateTime();
    const long long seen = msOfWeek(t);
    const QDate d = reference.date();
    const QTime tm = reference.time();
    const long long expected =
        ((((d.dayOfWeek() - 1) * 24LL + tm.hour()) * 60 + tm.minute()) * 60 + tm.second()) * 1000 + tm.msec();
    // A week boundary between the two readings is the only allowed jump.
    if (expected >= seen) {
      EXPECT_LE(expected - seen, 50);
    }
    if (previous >= 0 && seen >= previous - 1000) {
      EXPECT_GE(seen, previous);
    }
    EXPECT_EQ(t.year, d.year());
    EXPECT_GE(t.millisecond, 0);
    EXPECT_LT(t.millisecond, 1000);
    previous = seen;
  }
}

}  // namespace
