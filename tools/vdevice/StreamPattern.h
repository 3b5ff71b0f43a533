#pragma once
// StreamPattern: the bytes the virtual device sends on a "stream" request,
// reproducible by anyone who includes this header (tests, benchmarks).
//
// Every stream starts the pattern afresh, so a stream of N bytes is exactly
// StreamPattern::make(kind, N).
//  - Text: numbered printable lines of 64 bytes each, "L000000 " + 54
//    characters + "\r\n". Line k carries the number k (six digits, wrapping
//    at a million) and the printable ASCII characters '!'..'~' starting at
//    offset k % 94 and cycling. A stream is cut after N bytes, possibly in
//    the middle of a line.
//  - Binary: a xorshift32 generator seeded with kBinarySeed; each step
//    (x ^= x << 13; x ^= x >> 17; x ^= x << 5) yields one byte, the top
//    eight bits of the new state.
// Plain C++, no toolkit.

#include <cstddef>
#include <cstdint>
#include <string>

namespace StreamPattern {

enum class Kind { Text, Binary };

constexpr uint32_t kBinarySeed = 0x2545F491u;
constexpr size_t kTextLineLength = 64;

class Generator {
 public:
  explicit Generator(Kind kind) : m_kind(kind) {}

  char next() {
    if (m_kind == Kind::Binary) {
      m_state ^= m_state << 13;
      m_state ^= m_state >> 17;
      m_state ^= m_state << 5;
      return static_cast<char>(m_state >> 24);
    }
    if (m_column == 0) buildLine();
    char c = m_line[m_column];
    if (++m_column == kTextLineLength) {
      m_column = 0;
      ++m_lineNumber;
    }
    return c;
  }

  void fill(char* out, size_t count) {
    for (size_t i = 0; i < count; ++i) out[i] = next();
  }

 private:
  void buildLine() {
    uint32_t number = m_lineNumber % 1000000;
    m_line[0] = 'L';
    for (int i = 6; i >= 1; --i) {
      m_line[i] = static_cast<char>('0' + number % 10);
      number /= 10;
    }
    m_line[7] = ' ';
    for (size_t i = 8; i < kTextLineLength - 2; ++i) {
      m_line[i] = static_cast<char>('!' + (m_lineNumber + (i - 8)) % 94);
    }
    m_line[kTextLineLength - 2] = '\r';
    m_line[kTextLineLength - 1] = '\n';
  }

  Kind m_kind;
  uint32_t m_state = kBinarySeed;
  uint32_t m_lineNumber = 0;
  size_t m_column = 0;
  char m_line[kTextLineLength] = {};
};

inline std::string make(Kind kind, size_t count) {
  std::string out(count, '\0');
  Generator generator(kind);
  generator.fill(out.data(), count);
  return out;
}

}  // namespace StreamPattern
