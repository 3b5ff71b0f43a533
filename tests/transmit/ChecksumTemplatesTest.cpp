#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "transmit/ChecksumTemplates.h"
#include "transmit/PayloadEncoder.h"

namespace {

std::string twoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", value);
  return text;
}

struct WorkedValue {
  std::string_view templ;
  const char* ascii123;
  const char* hex010203;
};

const WorkedValue kWorkedValues[] = {
    {"[SUM_8(0..n)]", "96", "06"},      {"[SUM_8(1..n)]", "65", "05"},
    {"[SUM_8(2..n)]", "33", "03"},      {"[XOR_8 (0..n)]", "30", "00"},
    {"[XOR_8 (1..n)]", "01", "01"},     {"[XOR_8 (2..n)]", "33", "03"},
    {"[FF - SUM_8(0..n)]", "69", "F9"}, {"[FF - SUM_8(1..n)]", "9A", "FA"},
    {"[FF - SUM_8(2..n)]", "CC", "FC"},
};

TEST(ChecksumTemplatesTest, WorkedValuesForEveryTemplateInBothModes) {
  for (const WorkedValue& w : kWorkedValues) {
    SCOPED_TRACE(std::string(w.templ));
    EXPECT_EQ(twoDigits(CalcCsum(w.templ, "123", OutputMode::Ascii)), w.ascii123);
    EXPECT_EQ(twoDigits(CalcCsum(w.templ, "01 02 03", OutputMode::Hex)), w.hex010203);
    // The same values come out of the tail replacement.
    EXPECT_EQ(ConvAddStr(w.templ, "123", OutputMode::Ascii), w.ascii123);
    EXPECT_EQ(ConvAddStr(w.templ, "01 02 03", OutputMode::Hex), w.hex010203);
  }
}

TEST(ChecksumTemplatesTest, ShortLinesGiveZeroForEmptyRangesAndFFWhenComplemented) {
  struct Case {
    std::string line;
    OutputMode mode;
    const char* expected[9];
  };
  const Case cases[] = {
      {"A", OutputMode::Ascii, {"41", "00", "00", "41", "00", "00", "BE", "FF", "FF"}},
      {"", OutputMode::Ascii, {"00", "00", "00", "00", "00", "00", "FF", "FF", "FF"}},
      // A trailing lone digit is sent padded but is not a data byte.
      {"01 02 0", OutputMode::Hex, {"03", "02", "00", "03", "02", "00", "FC", "FD", "FF"}},
      {"7", OutputMode::Hex, {"00", "00", "00", "00", "00", "00", "FF", "FF", "FF"}},
  };
  for (const Case& c : cases) {
    for (size_t i = 0; i < kTailTemplates.size(); ++i) {
      SCOPED_TRACE("line '" + c.line + "' " + std::string(kTailTemplates[i]));
      EXPECT_EQ(twoDigits(CalcCsum(kTailTemplates[i], c.line, c.mode)), c.expected[i]);
    }
  }
}

TEST(ChecksumTemplatesTest, EveryDataByteCountsHoweverLongTheLine) {
  // 300 bytes of 0x01 followed by 0x05: a 255-byte work area would lose the end.
  std::string ascii(300, '\x01');
  ascii += '\x05';
  EXPECT_EQ(CalcCsum("[SUM_8(0..n)]", ascii, OutputMode::Ascii), (300 + 5) % 256);
  EXPECT_EQ(CalcCsum("[XOR_8 (0..n)]", ascii, OutputMode::Ascii), 0x05);

  std::string hex;
  for (int i = 0; i < 300; ++i) hex += "01 ";
  hex += "05";
  EXPECT_EQ(CalcCsum("[SUM_8(2..n)]", hex, OutputMode::Hex), (298 + 5) % 256);
  EXPECT_EQ(CalcCsum("[FF - SUM_8(0..n)]", hex, OutputMode::Hex), 255 - (300 + 5) % 256);
}

TEST(ChecksumTemplatesTest, OnlyTheExactListTextsAreTemplates) {
  EXPECT_EQ(CalcCsum("[XOR_8(1..n)]", "123", OutputMode::Ascii), 0);
  struct Case {
    std::string tail;
    std::string expected;
  };
  const Case cases[] = {
      {"[XOR_8(1..n)]", "[XOR_8(1..n)]"},
      {"[sum_8(0..n)]", "[sum_8(0..n)]"},
      {"[FF-SUM_8(0..n)]", "[FF-SUM_8(0..n)]"},
      {"*[XOR_8 (1..n)]$0D$0A", "*01$0D$0A"},
      // Every occurrence, and equal templates give equal digits.
      {"[SUM_8(0..n)]-[SUM_8(0..n)]-[XOR_8 (0..n)]", "96-96-30"},
      // Templates inside the text of other templates: each is replaced where it
      // stands, list order, and the result is never summed again.
      {"[FF - SUM_8(0..n)][SUM_8(0..n)]", "6996"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ConvAddStr(c.tail, "123", OutputMode::Ascii), c.expected) << c.tail;
}

TEST(ChecksumTemplatesTest, ReplacedTailEncodesToTheChecksumByte) {
  // A '$' before the template turns the digits into one raw byte in ASCII mode...
  const std::string asciiTail = ConvAddStr("$[SUM_8(0..n)]", "123", OutputMode::Ascii);
  EXPECT_EQ(encodePayload("123", asciiTail, OutputMode::Ascii).bytes, "123\x96");
  // ...and a separator before it makes them the next pair in HEX mode.
  const std::string hexTail = ConvAddStr(" [SUM_8(0..n)]", "01 02 03", OutputMode::Hex);
  EXPECT_EQ(encodePayload("01 02 03", hexTail, OutputMode::Hex).bytes, "\x01\x02\x03\x06");
}

}  // namespace
