#include <gtest/gtest.h>

#include <string>

#include "receive/LogEntry.h"

namespace {

using namespace std::string_literals;

const LocalTime kAt{2024, 3, 5, 14, 3, 7, 125, 2};
const std::string kRxStamp = " [ 14:03:07:125 < ] ";

TEST(LogEntry, TimeHasTwoDigitFieldsAndThreeDigitMilliseconds) {
  EXPECT_EQ(formatLogTime(kAt), "14:03:07:125");
  EXPECT_EQ(formatLogTime({2024, 1, 1, 0, 0, 0, 5, 1}), "00:00:00:005");
  EXPECT_EQ(formatLogTime({2024, 1, 1, 23, 59, 59, 999, 1}), "23:59:59:999");
}

TEST(LogEntry, SentEntryCarriesTheOutgoingArrow) {
  EXPECT_EQ(sentEntry("AT\r\n", kAt), " [ 14:03:07:125 > ] AT\r\n");
  EXPECT_EQ(sentEntry("AT\r\n", std::nullopt), "AT\r\n");
  EXPECT_EQ(kRxStamp.size(), 20u);
}

struct RenderCase {
  const char* name;
  std::string bytes;
  OutputMode mode;
  std::string body;
  std::string entry;  // without a time stamp
};

class RenderPacket : public ::testing::TestWithParam<RenderCase> {};

TEST_P(RenderPacket, BodyAndEntry) {
  const RenderCase& c = GetParam();
  const std::string body = renderPacket(c.bytes, c.mode);
  EXPECT_EQ(body, c.body);
  if (body.empty()) return;
  EXPECT_EQ(receivedEntry(body, std::nullopt), c.entry);
  EXPECT_EQ(receivedEntry(body, kAt), kRxStamp + c.entry);
}

INSTANTIATE_TEST_SUITE_P(
    Packets, RenderPacket,
    ::testing::Values(
        RenderCase{"HexBytesSeparatedBySpaces", "\x01\x02\xFF", OutputMode::Hex, "01 02 FF", "01 02 FF"},
        RenderCase{"HexLineEndsAreBytes", "\x0D\x0A\x00"s, OutputMode::Hex, "0D 0A 00", "0D 0A 00"},
        RenderCase{"AsciiCrLfEndsWithCr", "OK\r\n", OutputMode::Ascii, "OK\r\n", "OK\r"},
        RenderCase{"AsciiLoneCrIsALineBreak", "A\rB\r\n", OutputMode::Ascii, "A\r\nB\r\n", "A\r\nB\r"},
        RenderCase{"AsciiLoneLfIsDropped", "A\nB\r\n", OutputMode::Ascii, "AB\r\n", "AB\r"},
        RenderCase{"AsciiNulIsMarked",
                   "\x00"
                   "A\r"s,
                   OutputMode::Ascii, "<NULL>A\r\n", "<NULL>A\r"},
        RenderCase{"AsciiOnlyLfRendersNothing", "\n\n", OutputMode::Ascii, "", ""},
        // A packet cut in the middle of a line keeps its last data character,
        // a trailing space or a closing "<NULL>" included.
        RenderCase{"AsciiCutMidLineKeepsData", "tempera", OutputMode::Ascii, "tempera", "tempera"},
        RenderCase{"AsciiTrailingSpaceIsData", "OK ", OutputMode::Ascii, "OK ", "OK "},
        RenderCase{"AsciiTrailingNulIsData", "A\x00"s, OutputMode::Ascii, "A<NULL>", "A<NULL>"},
        RenderCase{"AsciiHighBytesStay", "\xCF\xF0\xE8", OutputMode::Ascii, "\xCF\xF0\xE8", "\xCF\xF0\xE8"},
        RenderCase{"AsciiBareCrGivesAnEmptyLine", "\r", OutputMode::Ascii, "\r\n", "\r"}),
    [](const ::testing::TestParamInfo<RenderCase>& info) { return info.param.name; });

TEST(LogEntry, EmptyPacketRendersNothingInEitherMode) {
  EXPECT_EQ(renderPacket("", OutputMode::Ascii), "");
  EXPECT_EQ(renderPacket("", OutputMode::Hex), "");
}

TEST(LogEntry, FilterIsAnExactCaseSensitiveSubstring) {
  const std::string received = receivedEntry("OK\r\n", kAt);
  const std::string sent = sentEntry("AT", kAt);
  struct Case {
    const std::string& entry;
    const char* filter;
    bool passes;
  } cases[] = {
      {received, "", true},     {received, " < ] ", true},   {sent, " < ] ", false},
      {sent, " > ] ", true},    {received, "OK", true},      {received, "ok", false},
      {received, "OK\r", true}, {received, "OK\r\n", false}, {sent, "14:03", true},
  };
  for (const Case& c : cases) EXPECT_EQ(passesFilter(c.entry, c.filter), c.passes) << "[" << c.filter << "]";
}

TEST(LogEntry, DisplayText) {
  struct Case {
    std::string entry;
    std::string shown;
  } cases[] = {
      {"OK\r", "OK"},
      {"A\r\nB\r", "A\nB"},
      {"A\rB", "A\nB"},
      {"A\nB", "A\nB"},
      {"AT\r\n\r\n", "AT"},
      {"\r", ""},
      {"A\x00"
       "B"s,
       "A<NULL>B"},
      {"\x1B[0m\x01\x7F", "<1B>[0m<01><7F>"},
      {"\t", "<09>"},
      {"01 02 FF", "01 02 FF"},
      {"\xCF\xF0\xE8", "\xCF\xF0\xE8"},
  };
  for (const Case& c : cases) EXPECT_EQ(displayText(c.entry), c.shown);
}

}  // namespace
