// The one writer of the program's files against real files: links written
// through, targets it must refuse, the direct write where no temporary file
// can be made, a file-size limit that must not end the program, and the
// clearing of temporaries that killed saves left behind.
#include "classlib/safe_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "temp_folder.h"

namespace vantry {
namespace {

namespace fs = std::filesystem;
using testing::read_text;
using testing::TempFolder;
using testing::write_text;

class SafeFileTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string at(const std::string& name) const { return folder.file(name); }
  std::set<std::string> names() const {
    std::set<std::string> result;
    for (const auto& entry : fs::directory_iterator(folder.path())) result.insert(entry.path().filename().string());
    return result;
  }
};

// A folder in which no file can be made while the guard lives: immutable for
// the superuser (who ignores permissions), without write permission for
// anyone else. sealed() is false where neither works.
class SealedFolder {
 public:
  explicit SealedFolder(const fs::path& path) : my_path(path) {
    if (::geteuid() == 0) {
      my_fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY);
      int flags = 0;
      if (my_fd >= 0 && ::ioctl(my_fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags |= FS_IMMUTABLE_FL;
        ::ioctl(my_fd, FS_IOC_SETFLAGS, &flags);
      }
    } else {
      ::chmod(path.c_str(), 0555);
    }
    const std::string probe = (path / "probe").string();
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    my_sealed = fd < 0;
    if (fd >= 0) {
      ::close(fd);
      ::unlink(probe.c_str());
    }
  }
  ~SealedFolder() {
    int flags = 0;
    if (my_fd >= 0 && ::ioctl(my_fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags &= ~FS_IMMUTABLE_FL;
      ::ioctl(my_fd, FS_IOC_SETFLAGS, &flags);
    }
    if (my_fd >= 0) ::close(my_fd);
    ::chmod(my_path.c_str(), 0755);
  }
  bool sealed() const { return my_sealed; }

 private:
  fs::path my_path;
  int my_fd = -1;
  bool my_sealed = false;
};

// Writes with a file-size limit of 100 bytes, as a shell's ulimit would set
// it, without touching the signal that limit raises. Exits 3 when the write
// was refused with error, 0 when it succeeded.
[[noreturn]] void write_over_size_limit(const std::string& path, const std::string& error) {
  const rlimit small{100, 100};
  setrlimit(RLIMIT_FSIZE, &small);
  std::string reason;
  if (write_file_safely(path, std::string(500, 'x'), reason)) _exit(0);
  _exit(reason == error ? 3 : 4);
}

TEST_F(SafeFileTest, LinksAreWrittenThroughAndStayLinks) {
  write_text(at("game.spz"), "old");
  fs::create_symlink("game.spz", at("relative.spz"));
  fs::create_symlink(at("relative.spz"), at("chain.spz"));
  fs::create_symlink("not-yet.spz", at("dangling.spz"));
  std::string error;
  ASSERT_TRUE(write_file_safely(at("chain.spz"), "new", error)) << error;
  ASSERT_TRUE(write_file_safely(at("dangling.spz"), "made", error)) << error;
  EXPECT_TRUE(fs::is_symlink(at("chain.spz")) && fs::is_symlink(at("relative.spz")));
  EXPECT_TRUE(fs::is_symlink(at("dangling.spz")));
  EXPECT_EQ(read_text(at("game.spz")), "new");
  EXPECT_EQ(read_text(at("not-yet.spz")), "made");
  EXPECT_EQ(names().size(), 5u);  // no temporary file left

  fs::create_symlink("loop-b", at("loop-a"));
  fs::create_symlink("loop-a", at("loop-b"));
  EXPECT_FALSE(write_file_safely(at("loop-a"), "x", error));
  EXPECT_EQ(error, "Too many levels of symbolic links");
}

TEST_F(SafeFileTest, TargetsThatMustNotBeReplacedAreRefusedWithTheReason) {
  const std::string pipe = at("pipe.spz");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  write_text(at("locked.spz"), "keep me");
  fs::permissions(at("locked.spz"), fs::perms::owner_read | fs::perms::group_read);
  fs::create_directory(at("folder.spz"));
  const struct {
    std::string path, error;
  } refused[] = {
      {pipe, "Not a regular file"},
      {at("locked.spz"), "Permission denied"},
      {at("folder.spz"), "Is a directory"},
      {at("missing/x.spz"), "No such file or directory"},
  };
  for (const auto& [path, reason] : refused) {
    std::string error;
    EXPECT_FALSE(write_file_safely(path, "new", error)) << path;
    EXPECT_EQ(error, reason) << path;
  }
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_EQ(read_text(at("locked.spz")), "keep me");
  EXPECT_EQ(names().size(), 3u);
}

TEST_F(SafeFileTest, WritesInPlaceWhereNoTemporaryFileCanBeMade) {
  write_text(at("game.spz"), "the old game, longer than the new one");
  SealedFolder seal(folder.path());
  if (!seal.sealed()) GTEST_SKIP() << "cannot make a folder where no file can be made";
  std::string error;
  ASSERT_TRUE(write_file_safely(at("game.spz"), "new game", error)) << error;
  EXPECT_EQ(read_text(at("game.spz")), "new game");
  // A new file cannot be made at all: the path's folder says why.
  EXPECT_FALSE(write_file_safely(at("other.spz"), "x", error));
  EXPECT_TRUE(error == "Permission denied" || error == "Operation not permitted") << error;
  // Both ways fail: the old contents come back and the reason is the write's.
  EXPECT_EXIT(write_over_size_limit(at("game.spz"), "File too large"), ::testing::ExitedWithCode(3), "");
  EXPECT_EQ(read_text(at("game.spz")), "new game");
}

TEST_F(SafeFileTest, FileSizeLimitFailsTheWriteInsteadOfEndingTheProgram) {
  write_text(at("game.spz"), "old");
  EXPECT_EXIT(write_over_size_limit(at("game.spz"), "File too large"), ::testing::ExitedWithCode(3), "");
  EXPECT_EQ(read_text(at("game.spz")), "old");
  EXPECT_EQ(names().size(), 1u);
}

TEST_F(SafeFileTest, NextWriteClearsOnlyStaleTemporariesOfOurOwn) {
  // A process that has ended, for temporaries whose owner is gone.
  const pid_t child = fork();
  if (child == 0) _exit(0);
  ASSERT_GT(child, 0);
  waitpid(child, nullptr, 0);
  const std::string gone = std::to_string(child), mine = std::to_string(getpid());
  const std::string stale[] = {
      ".game.spz." + gone + ".0.vantry-tmp", ".Vantry.ini." + gone + ".17.vantry-tmp",
      ".game.spz." + mine + ".3.vantry-tmp",  // alive, but an hour old
  };
  const std::string kept[] = {
      ".game.spz." + mine + ".4.vantry-tmp",  // alive and fresh: a save under way
      ".game.spz.123456789.tmp",              // someone else's naming
      "game.spz." + gone + ".0.vantry-tmp",   // not hidden: not ours
      ".game.spz.x" + gone + ".0.vantry-tmp",
      "game.spz",
  };
  for (const std::string& name : stale) write_text(at(name), "half");
  for (const std::string& name : kept) write_text(at(name), "half");
  const timeval hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
  ASSERT_EQ(::utimes(at(stale[2]).c_str(), hourAgo), 0);
  fs::create_directory(at(".dir." + gone + ".1.vantry-tmp"));

  std::string error;
  ASSERT_TRUE(write_file_safely(at("other.spz"), "x", error)) << error;
  std::set<std::string> expected(std::begin(kept), std::end(kept));
  expected.insert({"other.spz", ".dir." + gone + ".1.vantry-tmp"});
  EXPECT_EQ(names(), expected);
  for (const std::string& name : stale) EXPECT_TRUE(is_temporary_name(name)) << name;
}

// A save killed at any moment leaves at most its own temporary file, which
// the next save in the folder clears away.
TEST_F(SafeFileTest, TemporariesOfKilledSavesDoNotLast) {
  const pid_t child = fork();
  if (child == 0) {
    std::string error;
    for (;;) write_file_safely(at("big.spz"), std::string(4 << 20, 'g'), error);
  }
  ASSERT_GT(child, 0);
  usleep(300 * 1000);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  std::string error;
  ASSERT_TRUE(write_file_safely(at("other.spz"), "x", error)) << error;
  for (const std::string& name : names()) EXPECT_TRUE(name == "big.spz" || name == "other.spz") << name;
}

}  // namespace
}  // namespace vantry
