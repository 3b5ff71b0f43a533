#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sending/CommandHistory.h"

namespace {

std::string lineNo(int n) {
  return "cmd" + std::to_string(n);
}

// Sends cmd1..cmdN in order, so cmdN ends up as entry 1.
void sendLines(CommandHistory& history, int count) {
  for (int n = 1; n <= count; ++n) ASSERT_TRUE(history.AddOldCmd(lineNo(n)));
}

TEST(CommandHistoryTest, NewLinesGoOnTopAndARepeatedLineMovesUpWithoutDuplicating) {
  CommandHistory history;
  EXPECT_TRUE(history.entries().empty());
  sendLines(history, 3);
  EXPECT_EQ(history.entries(), (std::vector<std::string>{"cmd3", "cmd2", "cmd1"}));

  EXPECT_TRUE(history.AddOldCmd("cmd3"));
  EXPECT_EQ(history.entries(), (std::vector<std::string>{"cmd3", "cmd2", "cmd1"}));

  EXPECT_TRUE(history.AddOldCmd("cmd1"));
  EXPECT_EQ(history.entries(), (std::vector<std::string>{"cmd1", "cmd3", "cmd2"}));
  EXPECT_EQ(history.entry(4), "");
}

TEST(CommandHistoryTest, ResendingEntrySevenShiftsOnlyTheEntriesAboveIt) {
  CommandHistory history;
  sendLines(history, 10);  // entry k holds cmd(11 - k)
  const std::string seventh = history.entry(7);
  ASSERT_EQ(seventh, "cmd4");

  history.AddOldCmd(seventh);
  const std::vector<std::string> expected = {"cmd4", "cmd10", "cmd9", "cmd8", "cmd7",
                                             "cmd6", "cmd5",  "cmd3", "cmd2", "cmd1"};
  EXPECT_EQ(history.entries(), expected);
}

TEST(CommandHistoryTest, AFiftyFirstDistinctLinePushesOutTheOldest) {
  CommandHistory history;
  sendLines(history, 51);
  const std::vector<std::string> entries = history.entries();
  ASSERT_EQ(entries.size(), 50u);
  EXPECT_EQ(entries.front(), "cmd51");
  EXPECT_EQ(entries.back(), "cmd2");
}

TEST(CommandHistoryTest, ComparisonIsExactAndCaseSensitive) {
  CommandHistory history;
  const std::string withZero("a\0b", 3);
  for (const std::string& line : {std::string("AT"), std::string("at"), std::string("AT "), withZero}) {
    history.AddOldCmd(line);
  }
  history.AddOldCmd("AT");
  EXPECT_EQ(history.entries(), (std::vector<std::string>{"AT", withZero, "AT ", "at"}));
}

TEST(CommandHistoryTest, LinesOf255CharactersOrMoreAndEmptyLinesAreNotRecorded) {
  CommandHistory history;
  EXPECT_TRUE(history.AddOldCmd(std::string(254, 'x')));
  EXPECT_FALSE(history.AddOldCmd(std::string(255, 'y')));
  EXPECT_FALSE(history.AddOldCmd(std::string(300, 'z')));
  EXPECT_FALSE(history.AddOldCmd(""));
  EXPECT_EQ(history.entries(), std::vector<std::string>{std::string(254, 'x')});
}

TEST(CommandHistoryTest, RecordsMirrorTheFileLayout) {
  CommandHistory history;
  EXPECT_EQ(history.toRecords(), std::string(CommandHistory::kFileSize, '\0'));

  history.AddOldCmd("first");
  history.AddOldCmd("AT");
  const std::string image = history.toRecords();
  ASSERT_EQ(image.size(), 12800u);
  EXPECT_EQ(image[0], '\x02');
  EXPECT_EQ(image.substr(1, 2), "AT");
  // The shorter line keeps the leftover bytes of the longer one it replaced.
  EXPECT_EQ(image.substr(3, 3), "rst");
  EXPECT_EQ(image[256], '\x05');
  EXPECT_EQ(image.substr(257, 5), "first");
  EXPECT_EQ(image.substr(512), std::string(12800 - 512, '\0'));
}

struct LoadedHistoryTest : ::testing::Test {
  CommandHistory history;
  std::string image = std::string(CommandHistory::kFileSize, '\0');

  void putRecord(int k, const std::string& text, const std::string& garbage = "") {
    const size_t offset = static_cast<size_t>(k - 1) * CommandHistory::kRecordSize;
    image[offset] = static_cast<char>(text.size());
    image.replace(offset + 1, text.size(), text);
    image.replace(offset + 1 + text.size(), garbage.size(), garbage);
  }
};

TEST_F(LoadedHistoryTest, BytesAfterAnEntrySurviveAndDoNotAffectComparison) {
  putRecord(1, "AT", "GARBAGE");
  putRecord(2, "ATI", "\xFF\xFE");
  history.fromRecords(image);
  EXPECT_EQ(history.toRecords(), image);
  EXPECT_EQ(history.entries(), (std::vector<std::string>{"AT", "ATI"}));

  // "AT" matches entry 1 on its text alone, so nothing moves.
  history.AddOldCmd("AT");
  EXPECT_EQ(history.toRecords(), image);

  // Moving entries copies whole records, leftovers included.
  history.AddOldCmd("ATI");
  EXPECT_EQ(history.entries(), (std::vector<std::string>{"ATI", "AT"}));
  EXPECT_EQ(history.toRecords().substr(256, 10), std::string("\x02"
                                                             "ATGARBAGE",
                                                             10));
}

TEST_F(LoadedHistoryTest, GapsAreSkippedAndTheLastEqualEntryIsTheOneThatMoves) {
  // A file written elsewhere may hold gaps and duplicates.
  putRecord(1, "one");
  putRecord(3, "dup");
  putRecord(5, "dup");
  putRecord(6, "six");
  history.fromRecords(image);
  EXPECT_EQ(history.entries(), (std::vector<std::string>{"one", "dup", "dup", "six"}));

  history.AddOldCmd("dup");
  EXPECT_EQ(history.entry(1), "dup");
  EXPECT_EQ(history.entry(2), "one");
  EXPECT_EQ(history.entry(3), "");
  EXPECT_EQ(history.entry(4), "dup");
  EXPECT_EQ(history.entry(5), "");
  EXPECT_EQ(history.entry(6), "six");
}

}  // namespace
