#include "transmit/PayloadEncoder.h"

int HexToInt(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

namespace {

// A position past the end of the text reads as digit 0, so a dangling "$"
// or a trailing half pair still produces a byte.
int digitAt(std::string_view text, size_t pos) {
  return pos < text.size() ? HexToInt(text[pos]) : 0;
}

char byteOf(std::string_view text, size_t pos) {
  return static_cast<char>(16 * digitAt(text, pos) + digitAt(text, pos + 1));
}

EncodedPayload encodeAscii(std::string_view line, std::string_view tail) {
  EncodedPayload out;
  out.bytes.reserve(line.size() + tail.size());
  // The line goes out literally: escapes belong to the tail only.
  out.bytes.append(line);
  size_t p = 0;
  while (p < tail.size()) {
    if (tail[p] == '$') {
      // An escape always swallows three characters, hex digits or not.
      out.bytes.push_back(byteOf(tail, p + 1));
      p += 3;
    } else {
      out.bytes.push_back(tail[p]);
      ++p;
    }
  }
  out.echo = out.bytes;
  return out;
}

EncodedPayload encodeHex(std::string_view line, std::string_view tail) {
  EncodedPayload out;
  out.echo.reserve(line.size() + tail.size());
  out.echo.append(line);
  out.echo.append(tail);
  const std::string_view text = out.echo;
  out.bytes.reserve((text.size() + 2) / 3);
  // Strictly positional: a pair every three characters, the third skipped.
  for (size_t p = 0; p < text.size(); p += 3) out.bytes.push_back(byteOf(text, p));
  return out;
}

}  // namespace

EncodedPayload encodePayload(std::string_view line, std::string_view tail, OutputMode mode) {
  return mode == OutputMode::Hex ? encodeHex(line, tail) : encodeAscii(line, tail);
}
