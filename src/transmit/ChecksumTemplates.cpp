#include "transmit/ChecksumTemplates.h"

#include <cstddef>

#include "transmit/PayloadEncoder.h"

namespace {

// Templates come in three families of three ranges each: index / 3 is the
// family, index % 3 the first data byte covered.
enum class Family { Sum, Xor, ComplementedSum };

struct Accumulator {
  unsigned sum = 0;
  unsigned xorValue = 0;

  void add(size_t index, size_t firstIndex, unsigned char byte) {
    if (index < firstIndex) return;
    sum = (sum + byte) & 0xFF;
    xorValue ^= byte;
  }
};

// Visits the data bytes of the line in order. In HEX mode only whole pairs
// count: a trailing lone digit is sent (padded) but is not data.
template <typename Visit>
void forEachDataByte(std::string_view line, OutputMode mode, Visit visit) {
  if (mode == OutputMode::Ascii) {
    for (size_t i = 0; i < line.size(); ++i) visit(i, static_cast<unsigned char>(line[i]));
    return;
  }
  size_t index = 0;
  for (size_t p = 0; p + 1 < line.size(); p += 3, ++index) {
    visit(index, static_cast<unsigned char>(16 * HexToInt(line[p]) + HexToInt(line[p + 1])));
  }
}

const char kUpperHex[] = "0123456789ABCDEF";

}  // namespace

int CalcCsum(std::string_view templ, std::string_view line, OutputMode mode) {
  size_t index = 0;
  while (index < kTailTemplates.size() && kTailTemplates[index] != templ) ++index;
  if (index == kTailTemplates.size()) return 0;

  const auto family = static_cast<Family>(index / 3);
  const size_t firstIndex = index % 3;
  Accumulator acc;
  forEachDataByte(line, mode, [&](size_t i, unsigned char byte) { acc.add(i, firstIndex, byte); });

  switch (family) {
    case Family::Sum:
      return static_cast<int>(acc.sum);
    case Family::Xor:
      return static_cast<int>(acc.xorValue);
    case Family::ComplementedSum:
      return static_cast<int>(255 - acc.sum);
  }
  return 0;
}

std::string ConvAddStr(std::string_view tail, std::string_view line, OutputMode mode) {
  std::string result(tail);
  for (std::string_view templ : kTailTemplates) {
    // Every search starts again from the beginning, in list order, so the
    // outcome matches replacing one occurrence at a time.
    for (size_t pos = result.find(templ); pos != std::string::npos; pos = result.find(templ)) {
      const int value = CalcCsum(templ, line, mode);
      const char digits[2] = {kUpperHex[value >> 4], kUpperHex[value & 0x0F]};
      result.replace(pos, templ.size(), digits, 2);
    }
  }
  return result;
}
