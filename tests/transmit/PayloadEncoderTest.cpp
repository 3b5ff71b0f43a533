#include <gtest/gtest.h>

#include <string>

#include "transmit/PayloadEncoder.h"

namespace {

struct EncodeCase {
  OutputMode mode;
  std::string line;
  std::string tail;
  std::string bytes;
  std::string echo;
};

std::string hexOf(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char b : bytes) {
    if (!out.empty()) out += ' ';
    out += digits[b >> 4];
    out += digits[b & 0x0F];
  }
  return out;
}

using std::string_literals::operator""s;

const EncodeCase kCases[] = {
    {OutputMode::Ascii, "AT", "$0D$0A", "AT\r\n", "AT\r\n"},
    {OutputMode::Ascii, "AT", "$0d", "AT\r", "AT\r"},
    // Escapes belong to the tail only: in the line a '$' is just a '$'.
    {OutputMode::Ascii, "$0D", "", "$0D", "$0D"},
    {OutputMode::Ascii, "A", "$G1", "A\x01", "A\x01"},
    // One digit before the end of the tail: the missing digit reads as 0.
    {OutputMode::Ascii, "A", "$A", "A\xA0", "A\xA0"},
    {OutputMode::Ascii, "A", "$", "A\0"s, "A\0"s},
    // An escape swallows three characters, so "$$4" is one byte and "1" another.
    {OutputMode::Ascii, "A", "$$41",
     "A\x04"
     "1",
     "A\x04"
     "1"},
    {OutputMode::Ascii, "A", "$,A,", "A\n,", "A\n,"},
    {OutputMode::Ascii, "", "$24", "$", "$"},
    {OutputMode::Hex, "00 01 02 03 0D 0E 12 13", "", "\x00\x01\x02\x03\x0D\x0E\x12\x13"s,
     "00 01 02 03 0D 0E 12 13"},
    {OutputMode::Hex, "01 02", " 0D", "\x01\x02\x0D", "01 02 0D"},
    // In HEX mode the '$' sits on a separator position and is skipped.
    {OutputMode::Hex, "01 02", "$0D", "\x01\x02\x0D", "01 02$0D"},
    {OutputMode::Hex, "01 02 0", "", "\x01\x02\x00"s, "01 02 0"},
    {OutputMode::Hex, "01 02 A", "", "\x01\x02\xA0", "01 02 A"},
    // Strictly positional: unseparated or single digits are not re-paired.
    {OutputMode::Hex, "0102", "", "\x01\x20", "0102"},
    {OutputMode::Hex, "1 2 3", "", "\x10\x03", "1 2 3"},
    {OutputMode::Hex, "ff $1 zz", "", "\xFF\x01\x00"s, "ff $1 zz"},
    {OutputMode::Hex, "", "", "", ""},
};

TEST(PayloadEncoderTest, EncodesBytesAndEchoForEveryNotationRule) {
  for (const EncodeCase& c : kCases) {
    SCOPED_TRACE((c.mode == OutputMode::Hex ? "HEX line '" : "ASCII line '") + c.line + "' tail '" + c.tail +
                 "'");
    const EncodedPayload out = encodePayload(c.line, c.tail, c.mode);
    EXPECT_EQ(hexOf(out.bytes), hexOf(c.bytes));
    EXPECT_EQ(out.echo, c.echo);
  }
}

TEST(PayloadEncoderTest, HexDigitRuleAcceptsBothCasesAndReadsAnythingElseAsZero) {
  const std::string digits = "0123456789ABCDEFabcdef";
  const int values[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 10, 11, 12, 13, 14, 15};
  for (size_t i = 0; i < digits.size(); ++i) EXPECT_EQ(HexToInt(digits[i]), values[i]) << digits[i];
  for (char c : std::string(" $GgZz/:@`\x00\xC0\xFF"s)) EXPECT_EQ(HexToInt(c), 0) << int(c);
}

TEST(PayloadEncoderTest, LongLinesAreEncodedWhole) {
  const std::string line(3000, 'x');
  const EncodedPayload ascii = encodePayload(line, "$0D", OutputMode::Ascii);
  EXPECT_EQ(ascii.bytes, line + "\r");

  std::string hexLine;
  for (int i = 0; i < 1000; ++i) hexLine += "A5 ";
  const EncodedPayload hex = encodePayload(hexLine, "", OutputMode::Hex);
  EXPECT_EQ(hex.bytes, std::string(1000, '\xA5'));
}

}  // namespace
