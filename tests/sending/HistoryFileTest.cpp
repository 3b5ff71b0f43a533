#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sending/HistoryFile.h"
#include "support/TempWorkDir.h"

namespace {

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

struct HistoryFileTest : ::testing::Test {
  TempWorkDir dir;
  CommandHistory history;
};

TEST_F(HistoryFileTest, StartUpCreatesAMissingFileWithEmptyRecords) {
  const FileResult result = HistoryFile::loadOrCreate(history);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(readAll("OldCmd"), std::string(12800, '\0'));
  EXPECT_TRUE(history.entries().empty());
}

TEST_F(HistoryFileTest, SavedHistoryLoadsBackIntoAFreshStore) {
  ASSERT_TRUE(HistoryFile::loadOrCreate(history).ok);
  history.AddOldCmd("AT+GMR");
  history.AddOldCmd("AT");
  ASSERT_TRUE(HistoryFile::saveIfExists(history).ok);
  EXPECT_EQ(readAll("OldCmd"), history.toRecords());

  CommandHistory restarted;
  const FileResult result = HistoryFile::loadOrCreate(restarted);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(restarted.entries(), (std::vector<std::string>{"AT", "AT+GMR"}));
}

TEST_F(HistoryFileTest, RecordsAfterTheFiftiethAreIgnored) {
  CommandHistory source;
  source.AddOldCmd("kept");
  writeAll("OldCmd", source.toRecords() + std::string("\x05"
                                                      "extra",
                                                      6));

  ASSERT_TRUE(HistoryFile::loadOrCreate(history).ok);
  EXPECT_EQ(history.entries(), std::vector<std::string>{"kept"});
}

TEST_F(HistoryFileTest, AShortFileFailsWithAClearTextAndLeavesHistoryAndFileAlone) {
  history.AddOldCmd("in memory");
  const std::string shortFile = std::string(
                                    "\x03"
                                    "abc",
                                    4) +
                                std::string(12000, '\0');
  writeAll("OldCmd", shortFile);

  const FileResult result = HistoryFile::loadOrCreate(history);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("OldCmd"), std::string::npos) << result.error;
  EXPECT_NE(result.error.find("end of file"), std::string::npos) << result.error;
  EXPECT_EQ(history.entries(), std::vector<std::string>{"in memory"});
  EXPECT_EQ(readAll("OldCmd"), shortFile);
}

TEST_F(HistoryFileTest, ShutDownDoesNotRecreateAFileDeletedDuringTheRun) {
  ASSERT_TRUE(HistoryFile::loadOrCreate(history).ok);
  ASSERT_EQ(std::remove("OldCmd"), 0);
  history.AddOldCmd("lost");

  const FileResult result = HistoryFile::saveIfExists(history);
  EXPECT_TRUE(result.ok) << result.error;
  EXPECT_FALSE(DataFile::exists("OldCmd"));
}

TEST_F(HistoryFileTest, AFileThatCannotBeCreatedIsReportedWithTheSystemText) {
  const FileResult result = HistoryFile::loadOrCreate(history, "no-such-dir/OldCmd");
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("No such file or directory"), std::string::npos) << result.error;
}

}  // namespace
