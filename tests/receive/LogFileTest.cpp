#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "receive/LogFile.h"
#include "support/TempWorkDir.h"

namespace {

std::string contentsOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LogFileName, NumbersWithoutLeadingZerosSeparatedBySpaces) {
  EXPECT_EQ(LogFileName({2024, 3, 5, 21, 10, 1, 999, 2}), "LOG_2024 3 5 21 10 1.txt");
  EXPECT_EQ(LogFileName({2025, 11, 30, 9, 5, 7, 0, 7}), "LOG_2025 11 30 9 5 7.txt");
  EXPECT_EQ(LogFileName({2024, 1, 1, 0, 0, 0, 0, 1}), "LOG_2024 1 1 0 0 0.txt");
}

struct LogFileTest : ::testing::Test {
  TempWorkDir dir;
  LogFile log;
  std::string error;
};

TEST_F(LogFileTest, EachLineReachesTheDiskAtOnceEndedByCrLf) {
  const std::string name = LogFileName({2024, 3, 5, 21, 10, 1, 0, 2});
  ASSERT_TRUE(log.create(name, error)) << error;
  EXPECT_TRUE(log.isOpen());
  EXPECT_EQ(contentsOf(dir.file(name)), "");

  ASSERT_TRUE(log.writeLine(" [ 21:10:01:000 > ] AT\r\n", error)) << error;
  EXPECT_EQ(contentsOf(dir.file(name)), " [ 21:10:01:000 > ] AT\r\n\r\n");
  ASSERT_TRUE(log.writeLine("OK\r", error)) << error;
  ASSERT_TRUE(log.writeLine("\xCF\xF0\xE8", error)) << error;
  EXPECT_EQ(contentsOf(dir.file(name)), " [ 21:10:01:000 > ] AT\r\n\r\nOK\r\r\n\xCF\xF0\xE8\r\n");

  log.close();
  EXPECT_FALSE(log.isOpen());
}

TEST_F(LogFileTest, CreateReplacesAnExistingFile) {
  std::ofstream("LOG_2024 3 5 21 10 1.txt") << "an earlier run";
  ASSERT_TRUE(log.create("LOG_2024 3 5 21 10 1.txt", error)) << error;
  EXPECT_EQ(contentsOf(dir.file("LOG_2024 3 5 21 10 1.txt")), "");
}

TEST_F(LogFileTest, CreateInAMissingDirectoryFailsWithTheSystemText) {
  EXPECT_FALSE(log.create("no such dir/LOG.txt", error));
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_FALSE(log.isOpen());
}

TEST_F(LogFileTest, WriteOnAFullDeviceFailsWithTheSystemText) {
  ASSERT_TRUE(log.create("/dev/full", error)) << error;
  EXPECT_FALSE(log.writeLine("OK", error));
  EXPECT_EQ(error, "No space left on device");
}

TEST_F(LogFileTest, WriteWithoutAFileFails) {
  EXPECT_FALSE(log.writeLine("OK", error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
