#pragma once
// TempWorkDir: moves the process into a fresh empty directory for the life
// of a test and back out afterwards, removing the directory. The program
// keeps its data files in the current directory, so every test gets its own.

#include <string>

class TempWorkDir {
 public:
  TempWorkDir();
  ~TempWorkDir();
  TempWorkDir(const TempWorkDir&) = delete;
  TempWorkDir& operator=(const TempWorkDir&) = delete;

  const std::string& path() const { return m_path; }
  // Path of a file inside the directory.
  std::string file(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
  std::string m_previous;
};
