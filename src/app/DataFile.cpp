#include "app/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace {

std::string systemError(const std::string& path, int error) {
  return path + ": " + std::strerror(error);
}

// Closes the descriptor when it goes out of scope, keeping errno intact so
// the caller can still report the failure that made it leave early.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() { reset(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return m_fd; }
  // Closes now and reports whether the close succeeded (it can surface a
  // delayed write error).
  bool close() {
    const int fd = m_fd;
    m_fd = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  void reset() {
    if (m_fd < 0) return;
    const int saved = errno;
    ::close(m_fd);
    errno = saved;
    m_fd = -1;
  }
  int m_fd;
};

bool writeAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

std::string directoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates a fresh temporary file beside `path`. open() with O_EXCL rather
// than mkstemp() so the new file gets the usual 0666 & ~umask permissions.
int createTemporary(const std::string& path, std::string& tempPath) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

namespace DataFile {

bool exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

FileResult readExact(const std::string& path, size_t size, std::string& out) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return FileResult::failure(systemError(path, errno));

  std::string buffer(size, '\0');
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd.get(), buffer.data() + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return FileResult::failure(systemError(path, errno));
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  if (done < size) {
    return FileResult::failure(path + ": unexpected end of file (" + std::to_string(done) + " of " +
                               std::to_string(size) + " bytes)");
  }
  out = std::move(buffer);
  return {};
}

FileResult writeAtomically(const std::string& path, const std::string& bytes) {
  std::string tempPath;
  FileDescriptor fd(createTemporary(path, tempPath));
  if (fd.get() < 0) return FileResult::failure(systemError(path, errno));

  // Any failure from here on drops the temporary file; the old file has not
  // been touched yet.
  auto fail = [&]() {
    const int error = errno;
    fd.close();
    ::unlink(tempPath.c_str());
    return FileResult::failure(systemError(path, error));
  };

  // Keep the permissions of the file being replaced.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
      ::fchmod(fd.get(), old.st_mode & 07777) != 0) {
    return fail();
  }
  if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.close()) return fail();
  if (::rename(tempPath.c_str(), path.c_str()) != 0) return fail();

  // Make the rename itself durable; a failure here loses nothing already written.
  FileDescriptor dir(::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return {};
}

}  // namespace DataFile
