#pragma once
// LogFile: the mirror of the log in a text file named after the moment it was
// created ("LOG_2024 3 5 21 10 1.txt": no leading zeros). Each entry is one
// line ended by CR LF, in Windows-1251, flushed at once so `tail -f` follows
// it and a crash loses nothing already shown. Errors come back as the
// system's text; the caller reports them once and stops mirroring.

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/Clock.h"

std::string LogFileName(const LocalTime& t);

class LogFile {
 public:
  LogFile() = default;
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  // Creates (or replaces) the file. Returns false with the system's text.
  bool create(const std::string& path, std::string& error);
  // Writes entry + CR LF and flushes. Returns false with the system's text.
  bool writeLine(std::string_view entry, std::string& error);
  void close();
  bool isOpen() const { return m_file != nullptr; }

 private:
  std::FILE* m_file = nullptr;
};
