#include "classlib/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <ctime>
#include <limits>
#include <string>
#include <system_error>

namespace vantry {
namespace {

// Temporary files are named ".<target name>.<process id>.<sequence>" plus this
// ending, so a later save can tell its own leftovers from anyone else's files.
constexpr char kTemporarySuffix[] = ".vantry-tmp";
// Long target names are shortened in the temporary name to stay within the
// file system's limit on a name (255 bytes).
constexpr std::size_t kLongestTemporaryStem = 160;
// A temporary file of ours this old is left over from a save that never
// finished, whatever became of its process.
constexpr std::time_t kStaleSeconds = 10 * 60;
constexpr int kMostLinks = 40;
// Tries at locking a file that others keep replacing before the update gives up.
constexpr int kMostLockAttempts = 10000;

std::string system_text(int error_number) { return std::generic_category().message(error_number); }

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
  void reset(int fd) {
    if (my_fd >= 0) ::close(my_fd);
    my_fd = fd;
  }
  // Closes now; 0 or the error the close reported (a late write error can
  // surface here).
  int close() {
    const int fd = my_fd;
    my_fd = -1;
    return ::close(fd) == 0 ? 0 : errno;
  }

 private:
  int my_fd;
};

// 0 or the error of the write.
int write_all(int fd, const char* data, std::size_t length, off_t offset) {
  while (length > 0) {
    const ssize_t written = ::pwrite(fd, data, length, offset);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += written;
    offset += written;
    length -= static_cast<std::size_t>(written);
  }
  return 0;
}

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a write must go to: path itself, or the file at the end of its
// chain of symbolic links, which need not exist yet. Writing there keeps the
// links as they are.
bool resolve_links(const std::string& path, std::string& target, std::string& error) {
  std::string current = path;
  for (int hops = 0; hops <= kMostLinks; ++hops) {
    struct stat info;
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      target = current;
      return true;
    }
    char link[PATH_MAX];
    const ssize_t length = ::readlink(current.c_str(), link, sizeof link);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof link) {
      target = current;  // unreadable: the steps that follow report why
      return true;
    }
    const std::string text(link, static_cast<std::size_t>(length));
    current = text.front() == '/' ? text : folder_of(current) + "/" + text;
  }
  error = system_text(ELOOP);
  return false;
}

// The process id in a temporary name of ours, or 0 when the name is not one.
long temporary_owner(const std::string& name) {
  const std::size_t suffix = sizeof kTemporarySuffix - 1;
  if (name.size() <= suffix + 1 || name.front() != '.' ||
      name.compare(name.size() - suffix, suffix, kTemporarySuffix) != 0) {
    return 0;
  }
  // ".<stem>.<pid>.<sequence>": two runs of digits, each after a dot.
  const std::string stem = name.substr(0, name.size() - suffix);
  const std::size_t sequenceDot = stem.find_last_of('.');
  if (sequenceDot == std::string::npos || sequenceDot == 0) return 0;
  const std::size_t pidDot = stem.find_last_of('.', sequenceDot - 1);
  if (pidDot == std::string::npos) return 0;
  const std::string pid = stem.substr(pidDot + 1, sequenceDot - pidDot - 1);
  const std::string sequence = stem.substr(sequenceDot + 1);
  if (pid.empty() || pid.size() > 9 || sequence.empty()) return 0;
  if (pid.find_first_not_of("0123456789") != std::string::npos ||
      sequence.find_first_not_of("0123456789") != std::string::npos) {
    return 0;
  }
  return std::stol(pid);
}

// Removes the temporary files that saves of ours left in folder when they
// were killed: only regular files of this user with our naming, and only
// when their process is gone or they are old.
void clean_stale_temporaries(const std::string& folder) {
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) return;
  const int dirFd = ::dirfd(listing);
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(listing)) {
    const std::string name = entry->d_name;
    const long pid = temporary_owner(name);
    if (pid <= 0) continue;
    struct stat info;
    if (::fstatat(dirFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) continue;
    const bool gone = pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
    const bool old = now - info.st_mtime > kStaleSeconds;
    if (gone || old) ::unlinkat(dirFd, name.c_str(), 0);
  }
  ::closedir(listing);
}

// A new temporary file in folder, made exclusively (never one someone else
// made); the descriptor, or minus the error number.
int make_temporary(const std::string& folder, const std::string& targetName, std::string& temporary) {
  static unsigned sequence = 0;
  std::string stem = folder;
  stem += "/.";
  stem.append(targetName, 0, kLongestTemporaryStem);
  stem += '.';
  stem += std::to_string(::getpid());
  stem += '.';
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = stem;
    temporary += std::to_string(sequence++);
    temporary += kTemporarySuffix;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) return -errno;
  }
  return -EEXIST;
}

// The rename is on disk only once the folder is.
void sync_folder(const std::string& folder) {
  Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) ::fsync(directory.get());
}

// A read-only file is not replaced behind its owner's back. The permission
// bits are looked at as well, because the superuser may write anything.
bool writable(const std::string& target, const struct stat& info, std::string& error) {
  if (::access(target.c_str(), W_OK) != 0) {
    error = system_text(errno);
    return false;
  }
  if ((info.st_mode & 0222) == 0) {
    error = system_text(EACCES);
    return false;
  }
  return true;
}

// The direct write, for a writable file in a folder where no temporary file
// can be made: the new contents over the old, cut to length and flushed. If
// that fails the old contents are written back.
bool write_in_place(const std::string& target, const std::string& contents, std::string& error) {
  std::string previous;
  errno = 0;
  if (read_small_file(target, std::numeric_limits<std::size_t>::max(), previous) != FileRead::Ok) {
    error = system_text(errno != 0 ? errno : EIO);
    return false;
  }
  Descriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) {
    error = system_text(errno);
    return false;
  }
  int failure = write_all(file.get(), contents.data(), contents.size(), 0);
  if (failure == 0 && ::ftruncate(file.get(), static_cast<off_t>(contents.size())) != 0) failure = errno;
  if (failure == 0 && ::fsync(file.get()) != 0) failure = errno;
  if (failure != 0) {
    write_all(file.get(), previous.data(), previous.size(), 0);
    if (::ftruncate(file.get(), static_cast<off_t>(previous.size())) == 0) ::fsync(file.get());
  }
  const int closing = file.close();
  if (failure == 0) failure = closing;
  if (failure != 0) {
    error = system_text(failure);
    return false;
  }
  return true;
}

// A target that exists must be a regular file; error says why not.
bool regular_or_missing(const std::string& target, struct stat& info, bool& exists, std::string& error) {
  exists = ::stat(target.c_str(), &info) == 0;
  if (!exists) {
    if (errno == ENOENT) return true;
    error = system_text(errno);
    return false;
  }
  if (S_ISDIR(info.st_mode)) {
    error = system_text(EISDIR);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    error = "Not a regular file";
    return false;
  }
  return true;
}

}  // namespace

FileRead read_small_file(const std::string& path, std::size_t maxBytes, std::string& contents) {
  contents.clear();
  // Non-blocking open: opening a named pipe for reading would otherwise wait
  // for a writer forever.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) return errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Unusable;
  struct stat info;
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return FileRead::Unusable;
  if (static_cast<unsigned long long>(info.st_size) > maxBytes) return FileRead::Unusable;
  contents.reserve(static_cast<std::size_t>(info.st_size));

  // The file may grow while it is read; the limit holds for what is read.
  char chunk[65536];
  for (;;) {
    const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      contents.clear();
      return FileRead::Unusable;
    }
    if (got == 0) break;
    if (static_cast<std::size_t>(got) > maxBytes - contents.size()) {
      contents.clear();
      return FileRead::Unusable;
    }
    contents.append(chunk, static_cast<std::size_t>(got));
  }
  return FileRead::Ok;
}

bool write_file_safely(const std::string& path, const std::string& contents, std::string& error) {
  ignore_file_size_signal();
  // Step 1. The real target, which must be a regular file that may be written.
  std::string target;
  if (!resolve_links(path, target, error)) return false;
  struct stat old;
  bool hadOld = false;
  if (!regular_or_missing(target, old, hadOld, error)) return false;
  if (hadOld && !writable(target, old, error)) return false;

  // Step 2. A fresh temporary file beside the target (the same file system,
  // so the rename is atomic), after clearing away what killed saves left.
  const std::string folder = folder_of(target);
  clean_stale_temporaries(folder);
  std::string temporary;
  const int fd = make_temporary(folder, name_of(target), temporary);
  if (fd < 0) {
    if (hadOld) return write_in_place(target, contents, error);
    error = system_text(-fd);
    return false;
  }
  Descriptor file(fd);

  // Step 3. The contents, on disk before the rename, with the old file's
  // permissions and owner where the file system allows them.
  int failure = write_all(file.get(), contents.data(), contents.size(), 0);
  if (failure == 0 && hadOld) {
    ::fchmod(file.get(), old.st_mode & 07777);
    // Only the superuser can give a file away; for anyone else this fails
    // harmlessly and the file is the writer's, as with any other save.
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(file.get(), old.st_uid, old.st_gid) != 0) {
    }
  }
  if (failure == 0 && ::fsync(file.get()) != 0) failure = errno;
  const int closing = file.close();
  if (failure == 0) failure = closing;

  // Step 4. The rename replaces the old file in one step; on failure the
  // temporary file goes and the old one is untouched. Then the folder is
  // flushed so the rename itself survives a crash.
  if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
  if (failure != 0) {
    ::unlink(temporary.c_str());
    error = system_text(failure);
    return false;
  }
  sync_folder(folder);
  return true;
}

bool replace_file(const std::string& path, const std::string& contents) {
  std::string error;
  return write_file_safely(path, contents, error);
}

bool update_file_locked(const std::string& path, std::size_t maxBytes,
                        const std::function<bool(std::string& contents)>& change, std::string& error) {
  ignore_file_size_signal();
  std::string target;
  if (!resolve_links(path, target, error)) return false;
  struct stat info;
  bool exists = false;
  if (!regular_or_missing(target, info, exists, error)) return false;

  // Step 1. Lock the file that is at the path. Another program may replace
  // it between our open and our lock; then the lock is on a file nobody
  // uses any more, and we try again (each retry follows someone else's
  // finished update). A file that cannot be opened or locked (a read-only
  // folder, a file system without locks) is updated unlocked.
  Descriptor lock(-1);
  for (int attempt = 0;; ++attempt) {
    if (attempt == kMostLockAttempts) {
      error = system_text(EBUSY);
      return false;
    }
    lock.reset(::open(target.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666));
    if (lock.get() < 0) break;
    struct stat locked, current;
    if (::fstat(lock.get(), &locked) != 0 || !S_ISREG(locked.st_mode)) {
      error = "Not a regular file";
      return false;
    }
    int result;
    do {
      result = ::flock(lock.get(), LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) break;
    if (::stat(target.c_str(), &current) == 0 && current.st_dev == locked.st_dev && current.st_ino == locked.st_ino) {
      break;
    }
  }

  // Step 2. What the file holds now, changed and written back.
  std::string contents;
  if (read_small_file(target, maxBytes, contents) == FileRead::Unusable) {
    error = system_text(EFBIG);
    return false;
  }
  if (!change(contents)) return true;
  return write_file_safely(target, contents, error);
}

bool is_temporary_name(const std::string& name) { return temporary_owner(name) > 0; }

void ignore_file_size_signal() {
  static bool done = false;
  if (done) return;
  done = true;
  // A handler someone installed on purpose is left in place.
  struct sigaction current = {};
  if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
    ::signal(SIGXFSZ, SIG_IGN);
  }
}

}  // namespace vantry
