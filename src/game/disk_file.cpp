#include "game/disk_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "classlib/safe_file.h"

namespace vantry {

namespace {

std::string system_text(int error_number) { return std::generic_category().message(error_number); }

bool is_white_space(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f'; }

// Opens the regular file at path for reading; -1 with the reason in error
// otherwise. Only a regular file is opened at all: a named pipe would wait
// for a writer forever, and a device may never end.
int open_regular(const std::string& path, struct stat& info, std::string& error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    error = system_text(errno);
    return -1;
  }
  if (::fstat(fd, &info) != 0) {
    error = system_text(errno);
  } else if (S_ISDIR(info.st_mode)) {
    error = system_text(EISDIR);
  } else if (!S_ISREG(info.st_mode)) {
    error = "Not a regular file";
  } else {
    return fd;
  }
  ::close(fd);
  return -1;
}

// Reads from fd until the end of the file, or until the text holds more than
// maxBytes (false with nothing kept), or a read fails (false with error).
bool read_to_end(int fd, std::size_t maxBytes, std::string& contents, bool& tooLarge, std::string& error) {
  char chunk[65536];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      error = system_text(errno);
      return false;
    }
    if (got == 0) return true;
    if (static_cast<std::size_t>(got) > maxBytes - contents.size()) {
      tooLarge = true;  // it grew while it was read
      return false;
    }
    contents.append(chunk, static_cast<std::size_t>(got));
  }
}

}  // namespace

DiskRead read_disk_file(const std::string& path, std::size_t maxBytes, std::string& contents, std::string& error) {
  contents.clear();
  struct stat info;
  const int fd = open_regular(path, info, error);
  if (fd < 0) return DiskRead::Failed;
  // The size decides before anything is read: a file too large to be ours
  // costs nothing.
  bool tooLarge = static_cast<unsigned long long>(info.st_size) > maxBytes;
  bool ok = false;
  if (!tooLarge) {
    contents.reserve(static_cast<std::size_t>(info.st_size));
    ok = read_to_end(fd, maxBytes, contents, tooLarge, error);
  }
  ::close(fd);
  if (ok) return DiskRead::Ok;
  contents.clear();
  return tooLarge ? DiskRead::TooLarge : DiskRead::Failed;
}

DiskRead read_non_blank(const std::string& path, std::size_t wanted, std::size_t scanLimit, std::string& kept,
                        std::string& error) {
  kept.clear();
  struct stat info;
  const int fd = open_regular(path, info, error);
  if (fd < 0) return DiskRead::Failed;
  std::size_t scanned = 0;
  char chunk[65536];
  DiskRead result = DiskRead::Ok;
  while (kept.size() < wanted) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      error = system_text(errno);
      result = DiskRead::Failed;
      break;
    }
    if (got == 0) break;
    for (ssize_t i = 0; i < got && kept.size() < wanted; ++i) {
      if (!is_white_space(chunk[i])) kept += chunk[i];
    }
    scanned += static_cast<std::size_t>(got);
    if (kept.size() < wanted && scanned >= scanLimit) {
      result = DiskRead::TooLarge;
      break;
    }
  }
  ::close(fd);
  return result;
}

bool replace_disk_file(const std::string& path, const std::string& contents, std::string& error) {
  return write_file_safely(path, contents, error);
}

bool file_exists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

bool same_file(const std::string& a, const std::string& b) {
  struct stat first, second;
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

}  // namespace vantry
