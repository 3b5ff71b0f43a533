#include "support/TempWorkDir.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

TempWorkDir::TempWorkDir() {
  char cwd[PATH_MAX];
  if (getcwd(cwd, sizeof cwd)) m_previous = cwd;
  std::string pattern = (std::filesystem::temp_directory_path() / "qv-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  m_path = pattern;
  if (chdir(m_path.c_str()) != 0) throw std::runtime_error("chdir failed");
}

TempWorkDir::~TempWorkDir() {
  if (!m_previous.empty() && chdir(m_previous.c_str()) != 0) {
    // Nothing to do: the directory is removed below all the same.
  }
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}
