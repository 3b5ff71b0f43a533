#include <gtest/gtest.h>

#include <vector>

#include "receive/PacketStatistics.h"
#include "receive/SeparationTime.h"
#include "receive/WeekClock.h"

namespace {

TEST(WeekClockMs, CountsFromMondayMidnight) {
  struct Case {
    LocalTime t;
    int expected;
  } cases[] = {
      {{2024, 3, 4, 0, 0, 0, 0, 1}, 0},
      {{2024, 3, 4, 0, 0, 1, 7, 1}, 1007},
      {{2024, 3, 5, 21, 10, 1, 250, 2}, ((24 + 21) * 60 + 10) * 60000 + 1250},
      {{2024, 3, 10, 23, 59, 59, 999, 7}, 604799999},
  };
  for (const Case& c : cases) EXPECT_EQ(WeekClockMs(c.t), c.expected) << c.t.weekday << " " << c.t.hour;
}

std::vector<int> walk(int from, bool up, int clicks) {
  std::vector<int> values{from};
  for (int i = 0; i < clicks; ++i) values.push_back(stepSeparationTime(values.back(), up));
  return values;
}

std::vector<int> range(std::vector<int> values, int from, int to, int step) {
  for (int v = from; step > 0 ? v <= to : v >= to; v += step) values.push_back(v);
  return values;
}

TEST(SeparationTime, UpFromZeroRunsThroughEveryDecade) {
  std::vector<int> expected = range({}, 0, 10, 1);
  expected = range(expected, 15, 100, 5);
  expected = range(expected, 150, 1000, 50);
  expected = range(expected, 1500, 10000, 500);
  expected = range(expected, 15000, 100000, 5000);
  expected.push_back(100000);  // stays at the top
  EXPECT_EQ(walk(0, true, static_cast<int>(expected.size()) - 1), expected);
}

TEST(SeparationTime, DownFrom100000HalvesFirstThenStepsToZero) {
  std::vector<int> expected{100000};
  expected = range(expected, 50000, 10000, -5000);
  expected = range(expected, 5000, 1000, -500);
  expected = range(expected, 500, 100, -50);
  expected = range(expected, 50, 10, -5);
  expected = range(expected, 5, 0, -1);
  expected.push_back(0);  // stays at zero
  EXPECT_EQ(walk(100000, false, static_cast<int>(expected.size()) - 1), expected);
}

TEST(SeparationTime, ValuesOutsideTheRange) {
  struct Case {
    int value;
    bool up;
    int expected;
  } cases[] = {
      {-5, true, -4},          {-5, false, -5},       {150000, true, 100000},
      {150000, false, 100000}, {99999, true, 100000}, {95000, true, 100000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(stepSeparationTime(c.value, c.up), c.expected) << c.value << (c.up ? " up" : " down");
  }
}

TEST(PacketStatistics, StartsWithoutGapsAndMeasuresFromTheSecondEntry) {
  PacketStatistics stats;
  EXPECT_EQ(stats.sendLabel(), "Send: 0");
  EXPECT_EQ(stats.readLabel(), "Read: 0");
  EXPECT_EQ(stats.minLabel(), "MIN_T_W:  NA");
  EXPECT_EQ(stats.maxLabel(), "MAX_T_W: NA");

  EXPECT_FALSE(stats.recordReceived(5000));
  EXPECT_EQ(stats.readLabel(), "Read: 1");
  EXPECT_EQ(stats.minLabel(), "MIN_T_W:  NA");
  EXPECT_TRUE(stats.recordReceived(5250));
  EXPECT_EQ(stats.readLabel(), "Read: 2");
  EXPECT_EQ(stats.minLabel(), "MIN_T_W:  250");
  EXPECT_EQ(stats.maxLabel(), "MAX_T_W: 250");

  EXPECT_TRUE(stats.recordReceived(6250));
  EXPECT_TRUE(stats.recordReceived(6350));
  EXPECT_EQ(stats.minLabel(), "MIN_T_W:  100");
  EXPECT_EQ(stats.maxLabel(), "MAX_T_W: 1000");
}

TEST(PacketStatistics, ZeroAndNegativeGapsAreNotCounted) {
  PacketStatistics stats;
  stats.recordReceived(604799000);
  EXPECT_FALSE(stats.recordReceived(604799000));  // same millisecond
  EXPECT_FALSE(stats.recordReceived(20));         // across the weekly wrap
  EXPECT_EQ(stats.RxPacketCount, 3);
  EXPECT_EQ(stats.minLabel(), "MIN_T_W:  NA");
  EXPECT_EQ(stats.maxLabel(), "MAX_T_W: NA");
  EXPECT_TRUE(stats.recordReceived(70));
  EXPECT_EQ(stats.minLabel(), "MIN_T_W:  50");
}

TEST(PacketStatistics, ResetKeepsTheTimeOfTheLastEntry) {
  PacketStatistics stats;
  stats.TxPacketCount = 4;
  stats.recordReceived(1000);
  stats.recordReceived(1300);
  stats.reset();
  EXPECT_EQ(stats.sendLabel(), "Send: 0");
  EXPECT_EQ(stats.readLabel(), "Read: 0");
  EXPECT_EQ(stats.minLabel(), "MIN_T_W:  NA");
  EXPECT_EQ(stats.maxLabel(), "MAX_T_W: NA");
  EXPECT_TRUE(stats.recordReceived(1700));
  EXPECT_EQ(stats.minLabel(), "MIN_T_W:  400");
  EXPECT_EQ(stats.maxLabel(), "MAX_T_W: 400");
}

}  // namespace
