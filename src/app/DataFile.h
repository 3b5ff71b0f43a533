#pragma once
// DataFile: whole-file access for the program's fixed-record data files.
// Errors come back as the system's message text (strerror), for the error
// box; nothing here shows anything.

#include <string>
#include <utility>

struct FileResult {
  bool ok = true;
  std::string error;  // the system's text when !ok
  static FileResult failure(std::string text) { return {false, std::move(text)}; }
};

namespace DataFile {
bool exists(const std::string& path);
// Reads exactly `size` bytes from the start of the file into `out`. A shorter
// file is an error ("unexpected end of file" style text).
FileResult readExact(const std::string& path, size_t size, std::string& out);
// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`, so a failed save never leaves a truncated file.
FileResult writeAtomically(const std::string& path, const std::string& bytes);
}  // namespace DataFile
