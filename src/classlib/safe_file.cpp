#include "classlib/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace vantry {
namespace {

// Closes a descriptor when the scope ends, so every early return is clean.
class Descriptor {
 public:
  explicit Descriptor(int fd) : my_fd(fd) {}
  ~Descriptor() {
    if (my_fd >= 0) ::close(my_fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return my_fd; }
  // Closes now and reports whether the close succeeded (a late write error
  // can surface here).
  bool close() {
    const int fd = my_fd;
    my_fd = -1;
    return ::close(fd) == 0;
  }

 private:
  int my_fd;
};

bool write_all(int fd, const char* data, std::size_t length) {
  while (length > 0) {
    const ssize_t written = ::write(fd, data, length);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    length -= static_cast<std::size_t>(written);
  }
  return true;
}

// The path a replacement must go to: the file itself, or the final target of
// a symbolic link, so the link survives the rename.
bool resolve_target(const std::string& path, std::string& target) {
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
    target = path;
    return true;
  }
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return false;  // a dangling link
  target = resolved;
  return true;
}

}  // namespace

FileRead read_small_file(const std::string& path, std::size_t maxBytes, std::string& contents) {
  contents.clear();
  // Non-blocking open: opening a named pipe for reading would otherwise wait
  // for a writer forever.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0)
    return errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Unusable;
  struct stat info;
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return FileRead::Unusable;
  if (static_cast<unsigned long long>(info.st_size) > maxBytes) return FileRead::Unusable;

  // The file may grow while it is read; the limit holds for what is read.
  char chunk[4096];
  for (;;) {
    const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      contents.clear();
      return FileRead::Unusable;
    }
    if (got == 0) break;
    contents.append(chunk, static_cast<std::size_t>(got));
    if (contents.size() > maxBytes) {
      contents.clear();
      return FileRead::Unusable;
    }
  }
  return FileRead::Ok;
}

bool replace_file(const std::string& path, const std::string& contents) {
  std::string target;
  if (!resolve_target(path, target)) return false;

  struct stat old;
  const bool hadOld = ::stat(target.c_str(), &old) == 0;
  if (hadOld && !S_ISREG(old.st_mode)) return false;  // never replace a folder or a device

  // 1. A fresh temporary file beside the target (same file system, so the
  //    rename is atomic). O_EXCL: never reuse a file someone else made.
  static unsigned counter = 0;
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  Descriptor file(fd);

  // 2. The contents, on disk before the rename, with the old file's permissions.
  bool ok = write_all(file.get(), contents.data(), contents.size());
  if (ok && hadOld) ok = ::fchmod(file.get(), old.st_mode & 07777) == 0;
  if (ok) ok = ::fsync(file.get()) == 0;
  ok = file.close() && ok;

  // 3. The rename replaces the old file in one step; on failure the
  //    temporary file goes and the old one is untouched.
  if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

}  // namespace vantry
