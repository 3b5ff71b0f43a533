#pragma once
// ChecksumTemplates: the nine bracketed names a tail may contain. At every
// send each occurrence is replaced by two upper-case hex digits: the 8-bit
// checksum of the data bytes of the line (never of the tail). Data bytes are
// the characters of the line in ASCII mode, and the complete pairs at
// positions 1, 4, 7, ... in HEX mode. Every data byte counts, however long
// the line. Only the exact texts of the list are templates.

#include <array>
#include <string>
#include <string_view>

#include "transmit/OutputMode.h"

inline constexpr std::array<std::string_view, 9> kTailTemplates = {
    "[SUM_8(0..n)]",  "[SUM_8(1..n)]",      "[SUM_8(2..n)]",      "[XOR_8 (0..n)]",     "[XOR_8 (1..n)]",
    "[XOR_8 (2..n)]", "[FF - SUM_8(0..n)]", "[FF - SUM_8(1..n)]", "[FF - SUM_8(2..n)]",
};

// The value 0..255 of one template over `line`; `templ` must be one of
// kTailTemplates exactly (anything else gives 0).
int CalcCsum(std::string_view templ, std::string_view line, OutputMode mode);

// The tail with every template replaced by its value over `line`.
std::string ConvAddStr(std::string_view tail, std::string_view line, OutputMode mode);
