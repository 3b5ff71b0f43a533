#include "receive/LogEntry.h"

#include <cstdio>

namespace {

bool isLineBreak(char c) {
  return c == '\r' || c == '\n';
}

std::string stamped(const LocalTime& t, const char* direction) {
  return " [ " + formatLogTime(t) + " " + direction + " ] ";
}

void appendHexByte(std::string& out, unsigned char byte) {
  static const char kDigits[] = "0123456789ABCDEF";
  out += kDigits[byte >> 4];
  out += kDigits[byte & 0x0F];
}

}  // namespace

std::string formatLogTime(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d:%03d", t.hour, t.minute, t.second, t.millisecond);
  return text;
}

std::string sentEntry(std::string_view echo, const std::optional<LocalTime>& time) {
  std::string entry = time ? stamped(*time, ">") : std::string();
  entry += echo;
  return entry;
}

std::string renderPacket(std::string_view bytes, OutputMode mode) {
  std::string body;
  if (mode == OutputMode::Hex) {
    // Bytes separated by one space. The separator after the last byte is
    // never produced, so nothing has to be taken off the entry afterwards.
    body.reserve(bytes.size() * 3);
    for (char c : bytes) {
      if (!body.empty()) body += ' ';
      appendHexByte(body, static_cast<unsigned char>(c));
    }
    return body;
  }
  body.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) {
    switch (c) {
      case '\r':
        // Devices end lines with CR, LF or CR LF; each CR gives exactly one
        // line break in the entry and a LF none, so CR LF is not doubled.
        body += "\r\n";
        break;
      case '\n':
        break;
      case '\0':
        body += "<NULL>";
        break;
      default:
        body += c;
    }
  }
  return body;
}

std::string receivedEntry(std::string_view body, const std::optional<LocalTime>& time) {
  std::string entry = time ? stamped(*time, "<") : std::string();
  entry += body;
  // The log window and the log file end every entry with a line break of
  // their own, so the last one of the packet goes. A packet cut in the middle
  // of a line keeps its last character: it is data.
  if (!entry.empty() && isLineBreak(entry.back())) entry.pop_back();
  return entry;
}

bool passesFilter(std::string_view entry, std::string_view filter) {
  return filter.empty() || entry.find(filter) != std::string_view::npos;
}

std::string displayText(std::string_view entry) {
  std::string text;
  text.reserve(entry.size());
  for (std::size_t i = 0; i < entry.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(entry[i]);
    if (c == '\r') {
      if (i + 1 < entry.size() && entry[i + 1] == '\n') ++i;
      text += '\n';
    } else if (c == '\n') {
      text += '\n';
    } else if (c == 0) {
      text += "<NULL>";
    } else if (c < 0x20 || c == 0x7F) {
      // Shown by code: a raw control character would be invisible or would
      // disturb the text view.
      text += '<';
      appendHexByte(text, c);
      text += '>';
    } else {
      text += static_cast<char>(c);
    }
  }
  // The view puts every entry on a line of its own; the entry's closing line
  // breaks would only show as empty lines.
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}
