#include "receive/LogFile.h"

#include <cerrno>
#include <cstring>

std::string LogFileName(const LocalTime& t) {
  return "LOG_" + std::to_string(t.year) + " " + std::to_string(t.month) + " " + std::to_string(t.day) + " " +
         std::to_string(t.hour) + " " + std::to_string(t.minute) + " " + std::to_string(t.second) + ".txt";
}

LogFile::~LogFile() {
  close();
}

bool LogFile::create(const std::string& path, std::string& error) {
  close();
  // Binary mode: the line ends are written as CR LF by writeLine itself.
  m_file = std::fopen(path.c_str(), "wb");
  if (m_file == nullptr) {
    error = std::strerror(errno);
    return false;
  }
  return true;
}

bool LogFile::writeLine(std::string_view entry, std::string& error) {
  if (m_file == nullptr) {
    error = std::strerror(EBADF);
    return false;
  }
  errno = 0;
  const bool written = std::fwrite(entry.data(), 1, entry.size(), m_file) == entry.size() &&
                       std::fwrite("\r\n", 1, 2, m_file) == 2 &&
                       // Flushed at once so the file can be followed while it grows and a
                       // crash loses nothing that the log window already shows.
                       std::fflush(m_file) == 0;
  if (!written) {
    error = std::strerror(errno != 0 ? errno : EIO);
    std::clearerr(m_file);
    return false;
  }
  return true;
}

void LogFile::close() {
  if (m_file == nullptr) return;
  std::fclose(m_file);
  m_file = nullptr;
}
