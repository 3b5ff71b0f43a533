#include "serial/PortPath.h"

#include <cctype>

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// "COMn" with n >= 1, the prefix in any case; false for anything else.
bool comNumber(const std::string& name, long& number) {
  if (name.size() < 4 || name.size() > 12) return false;
  for (size_t i = 0; i < 3; ++i) {
    if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return false;
  }
  number = 0;
  for (size_t i = 3; i < name.size(); ++i) {
    if (!isDigit(name[i])) return false;
    number = number * 10 + (name[i] - '0');
  }
  return number >= 1;
}

}  // namespace

std::string resolvePortPath(const std::string& name, const std::function<bool(const std::string&)>& exists) {
  if (name.empty()) return {};
  if (name.front() == '/') return name;
  long number = 0;
  if (comNumber(name, number)) return "/dev/ttyS" + std::to_string(number - 1);
  const std::string direct = "/dev/" + name;
  if (exists(direct)) return direct;
  return "/dev/tty" + name;
}

std::string shortPortName(const std::string& devName) {
  if (devName.size() > 3 && devName.compare(0, 3, "tty") == 0) return devName.substr(3);
  return devName;
}

bool naturalLess(const std::string& a, const std::string& b) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      size_t endA = i;
      size_t endB = j;
      while (endA < a.size() && isDigit(a[endA])) ++endA;
      while (endB < b.size() && isDigit(b[endB])) ++endB;
      // Compare the runs by value without converting: skip leading zeros,
      // then the longer run is the larger number.
      size_t startA = i;
      size_t startB = j;
      while (startA + 1 < endA && a[startA] == '0') ++startA;
      while (startB + 1 < endB && b[startB] == '0') ++startB;
      if (endA - startA != endB - startB) return endA - startA < endB - startB;
      int order = a.compare(startA, endA - startA, b, startB, endB - startB);
      if (order != 0) return order < 0;
      i = endA;
      j = endB;
      continue;
    }
    if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
    ++i;
    ++j;
  }
  // One is a prefix of the other (by value): the shorter comes first, and
  // equal values with different zero padding fall back to plain order.
  if ((a.size() - i) != (b.size() - j)) return a.size() - i < b.size() - j;
  return a < b;
}
