// The raw settings-file layer against real files: the format and its case
// rules, lines kept as they were, all-or-nothing replacement, and files that
// are not settings files at all.
#include "classlib/profile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "classlib/inifile.h"

#include "temp_folder.h"

namespace vantry {
namespace {

using testing::read_text;
using testing::TempFolder;
using testing::write_text;

class ProfileTest : public ::testing::Test {
 protected:
  TempFolder folder;
  const std::string file = folder.file("Vantry.ini");
};

std::string read(const std::string& file, const char* section, const char* key, int size = 256) {
  std::string buffer(size, '\0');
  const int length = read_profile_string(section, key, "<absent>", buffer.data(), size, file.c_str());
  return buffer.substr(0, length);
}

TEST_F(ProfileTest, ReadingIgnoresCaseInNamesAndKeepsValuesVerbatim) {
  write_text(file,
             "stray=before any section\n"
             "; a comment=not a key\n"
             "[preferences]\r\n"
             "  UserAns = 0 \r\n"
             "Buttons=Left=odd;kept\n"
             "[Other]\n"
             "DelPoss=7");
  EXPECT_EQ(read(file, "Preferences", "USERANS"), "0");
  EXPECT_EQ(read(file, "PREFERENCES", "buttons"), "Left=odd;kept");
  EXPECT_EQ(read(file, "Other", "DelPoss"), "7");  // last line without a newline
  EXPECT_EQ(read(file, "Preferences", "DelPoss"), "<absent>");
  EXPECT_EQ(read(file, "", "stray"), "<absent>");
  EXPECT_EQ(read(file, "Preferences", "; a comment"), "<absent>");
  EXPECT_EQ(read(file, "Preferences", "Buttons", 5), "Left");  // cut to size - 1
}

TEST_F(ProfileTest, WritingChangesOnlyTheKeyItWrites) {
  write_text(file,
             "; kept by hand\n[Colors]\nLines=1\n\n[Buttons]\r\nnext=0\nForeign=yes\n# "
             "note\n[Geometry]\nX=5\n");

  ASSERT_TRUE(write_profile_string("BUTTONS", "Next", "1", file.c_str()));
  ASSERT_TRUE(write_profile_string("Buttons", "OKSoFar", "1", file.c_str()));
  ASSERT_TRUE(write_profile_string("Create", "LastDifficulty", "11903", file.c_str()));
  EXPECT_EQ(read_text(file),
            "; kept by hand\n[Colors]\nLines=1\n\n[Buttons]\r\nNext=1\nForeign=yes\nOKSoFar=1\n"
            "# note\n[Geometry]\nX=5\n\n[Create]\nLastDifficulty=11903\n");

  // Through a symbolic link the target is rewritten and the link stays a link.
  const std::string link = folder.file("link.ini");
  std::filesystem::create_symlink(file, link);
  ASSERT_TRUE(write_profile_string("Geometry", "X", "6", link.c_str()));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(read(file, "Geometry", "X"), "6");

  // A value cannot smuggle in lines of its own.
  ASSERT_TRUE(write_profile_string("Geometry", "X", "7\n[Evil]\nY=1", file.c_str()));
  EXPECT_EQ(read(file, "Geometry", "X"), "7");
  EXPECT_EQ(read(file, "Evil", "Y"), "<absent>");
}

TEST_F(ProfileTest, ValuesReadAsAPersonWritesThem) {
  write_text(file,
             "[P]\nspaced = 0 \ntabbed=\t1\t\nquoted=\"Left\"\nspacedQuotes =  \" a b \" \n"
             "one=\"\nhalf=\"open\ninner=a \"b\" c\ntwice=\"\"x\"\"\nempty=\"\"\nnothing=\n");
  const std::pair<const char*, const char*> cases[] = {
      {"spaced", "0"}, {"tabbed", "1"},    {"quoted", "Left"},     {"spacedQuotes", " a b "},
      {"one", "\""},   {"half", "\"open"}, {"inner", "a \"b\" c"}, {"twice", "\"x\""},
      {"empty", ""},   {"nothing", ""},
  };
  for (const auto& [key, value] : cases) EXPECT_EQ(read(file, "P", key), value) << key;
  PrivateIniFile ini(file.c_str());
  EXPECT_EQ(ini.read_integer("P", "spaced", 1), 0);
  EXPECT_EQ(ini.read_string(kButtonsPlacement), "Right");

  // Whatever the program writes reads back the same.
  for (const char* value : {" lead", "trail\t", "\"q\"", "\"", "plain"}) {
    ASSERT_TRUE(write_profile_string("W", "Key", value, file.c_str()));
    EXPECT_EQ(read(file, "W", "Key"), value);
  }
}

TEST_F(ProfileTest, ALastLineEndedByALoneCarriageReturnIsEndedBeforeNewKeys) {
  for (const char* before : {"[A]\r\nX=5\r", "[A]\nX=5\r", "[A]\nX=5"}) {
    write_text(file, before);
    ASSERT_TRUE(write_profile_string("A", "Y", "6", file.c_str()));
    ASSERT_TRUE(write_profile_string("B", "Z", "7", file.c_str()));
    EXPECT_EQ(read(file, "A", "X"), "5") << before;
    EXPECT_EQ(read(file, "A", "Y"), "6") << before;
    EXPECT_EQ(read(file, "B", "Z"), "7") << before;
  }
  EXPECT_EQ(read_text(file), "[A]\nX=5\nY=6\n\n[B]\nZ=7\n");
}

TEST_F(ProfileTest, OurOwnWritesNeverTakeTheFilePastTheLimit) {
  const std::string head = "[Preferences]\nUserAns=0\n";
  const std::string filler = "; " + std::string(kLargestProfile - head.size() - 13, 'z') + "\n";
  write_text(file, head + filler);
  ASSERT_EQ(std::filesystem::file_size(file), kLargestProfile - 10);
  EXPECT_FALSE(write_profile_string("Preferences", "Buttons", "Right", file.c_str()));
  ProfileWrite writes[] = {{"Preferences", "Buttons", "Right"}, {"Preferences", "DelPoss", "0"}};
  EXPECT_FALSE(write_profile_strings(writes, file.c_str()));
  EXPECT_FALSE(writes[0].written);
  EXPECT_TRUE(writes[1].written);  // the key that fits is still written
  EXPECT_EQ(std::filesystem::file_size(file), kLargestProfile);
  EXPECT_EQ(read(file, "Preferences", "UserAns"), "0");
  EXPECT_EQ(read(file, "Preferences", "DelPoss"), "0");
  EXPECT_EQ(read(file, "Preferences", "Buttons"), "<absent>");
}

// Several programs flushing the same settings file over and over, each its
// own keys: every key of every one of them is in the file at the end.
TEST_F(ProfileTest, ProgramsWritingTheSameFileAtOnceKeepEachOthersKeys) {
  constexpr int kWriters = 4, kKeys = 60;
  std::vector<pid_t> children;
  for (int w = 0; w < kWriters; ++w) {
    const pid_t child = fork();
    if (child == 0) {
      PrivateIniFile ini(file.c_str());
      for (int k = 0; k < kKeys; ++k) {
        ini.write_integer(("Writer" + std::to_string(w % 2)).c_str(),
                          ("Key" + std::to_string(w) + "_" + std::to_string(k)).c_str(), k);
        ini.flush(false);
      }
      _exit(0);
    }
    ASSERT_GT(child, 0);
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  int missing = 0;
  for (int w = 0; w < kWriters; ++w) {
    for (int k = 0; k < kKeys; ++k) {
      const std::string key = "Key" + std::to_string(w) + "_" + std::to_string(k);
      const std::string section = "Writer" + std::to_string(w % 2);
      if (read(file, section.c_str(), key.c_str()) != std::to_string(k)) ++missing;
    }
  }
  EXPECT_EQ(missing, 0);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

// Runs in a child that may write no more than 100 bytes to any file, so
// writing the new file stops half way.
[[noreturn]] void write_with_small_file_limit(const std::string& file) {
  signal(SIGXFSZ, SIG_IGN);
  const rlimit small{100, 100};
  setrlimit(RLIMIT_FSIZE, &small);
  const std::string value(500, 'x');
  exit(write_profile_string("Preferences", "Buttons", value.c_str(), file.c_str()) ? 0 : 3);
}

using ProfileDeathTest = ProfileTest;

TEST_F(ProfileDeathTest, FailedWriteLeavesOldFileWhole) {
  const std::string before = "[Preferences]\nUserAns=0\n";
  write_text(file, before);
  EXPECT_EXIT(write_with_small_file_limit(file), ::testing::ExitedWithCode(3), "");
  EXPECT_EQ(read_text(file), before);
  const auto entries = std::distance(std::filesystem::directory_iterator(folder.path()), {});
  EXPECT_EQ(entries, 1) << "a temporary file was left behind";
}

TEST_F(ProfileTest, FilesThatAreNotSettingsReadAsAbsentAndAreNotReplaced) {
  // Binary garbage: every key absent; a write keeps its bytes and adds the key.
  const std::string garbage = folder.file("garbage.ini");
  std::string bytes;
  for (int i = 0; i < 5000; ++i) bytes += static_cast<char>((i * 7919) % 256);
  write_text(garbage, bytes);
  EXPECT_EQ(read(garbage, "Preferences", "UserAns"), "<absent>");
  ASSERT_TRUE(write_profile_string("Preferences", "UserAns", "0", garbage.c_str()));
  EXPECT_EQ(read_text(garbage).substr(0, bytes.size()), bytes);
  EXPECT_EQ(read(garbage, "Preferences", "UserAns"), "0");

  // Larger than any settings file: not read, not rewritten, even where it
  // begins like one.
  const std::string enormous = folder.file("enormous.ini");
  write_text(enormous, "[Preferences]\nUserAns=0\n" + std::string(kLargestProfile, 'z'));
  EXPECT_EQ(read(enormous, "Preferences", "UserAns"), "<absent>");
  EXPECT_FALSE(write_profile_string("Preferences", "UserAns", "1", enormous.c_str()));
  EXPECT_EQ(std::filesystem::file_size(enormous), kLargestProfile + 24);

  // A folder and a named pipe: nothing to read (and no wait for a writer).
  const std::string pipe = folder.file("pipe.ini");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& path : {folder.path().string(), pipe, folder.file("missing.ini")}) {
    EXPECT_EQ(read(path, "Preferences", "UserAns"), "<absent>") << path;
  }
  EXPECT_FALSE(write_profile_string("Preferences", "UserAns", "1", pipe.c_str()));
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

}  // namespace
}  // namespace vantry
