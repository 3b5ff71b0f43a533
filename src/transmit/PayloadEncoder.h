#pragma once
// PayloadEncoder: how a line and its tail become the bytes on the wire and
// the echo text for the log.
//
// ASCII mode: the line goes out character by character (a '$' in the line is
// just a '$'); in the tail, "$XY" is one byte of hex digits X and Y, and an
// escape always consumes three characters, whatever they are.
// HEX mode: the combined text is read as pairs at positions 1, 4, 7, ...; the
// third character of each group is a separator and is never looked at; a
// trailing lone digit is padded with 0. Invalid digits count as 0.
// Text is Windows-1251 bytes; the encoded bytes are not limited in length.

#include <string>
#include <string_view>

#include "transmit/OutputMode.h"

// One hexadecimal digit: '0'..'9', 'A'..'F', 'a'..'f'; anything else is 0.
int HexToInt(char c);

struct EncodedPayload {
  std::string bytes;  // what goes to the port
  std::string echo;   // what the log shows (ASCII: decoded characters; HEX: the text)
};

EncodedPayload encodePayload(std::string_view line, std::string_view tail, OutputMode mode);
