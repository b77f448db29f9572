// The settings cache over real files: what reading gives, what a flush writes
// and when, and that an empty file gives every default of the key table.
#include "classlib/inifile.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "temp_folder.h"

namespace vantry {
namespace {

using testing::read_text;
using testing::TempFolder;
using testing::write_text;

class IniFileTest : public ::testing::Test {
 protected:
  TempFolder folder;
  const std::string file = folder.file("Vantry.ini");
};

// The real file underneath, with a record of the keys that reached it.
class CountingIniFile : public PrivateIniFile {
 public:
  using PrivateIniFile::PrivateIniFile;
  std::vector<std::string> writes;
  bool failWrites = false;

 protected:
  void write_raw_all(std::span<ProfileWrite> keys) override {
    if (failWrites) return;
    for (const ProfileWrite& key : keys) writes.push_back(std::string(key.section) + "/" + key.key + "=" + key.value);
    PrivateIniFile::write_raw_all(keys);
  }
};

// How many times the file named name was rewritten in folder while work ran:
// each rewrite makes a new file of another name and renames it over.
int rewrites(const std::filesystem::path& folder, const std::string& name, const std::function<void()>& work) {
  const int watcher = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  EXPECT_GE(watcher, 0);
  inotify_add_watch(watcher, folder.c_str(), IN_CREATE);
  work();
  int count = 0;
  alignas(inotify_event) char events[65536];
  for (ssize_t got; (got = read(watcher, events, sizeof events)) > 0;) {
    for (char* p = events; p < events + got;) {
      const auto* event = reinterpret_cast<const inotify_event*>(p);
      if (event->len > 0 && name != event->name) ++count;
      p += sizeof(inotify_event) + event->len;
    }
  }
  close(watcher);
  return count;
}

TEST_F(IniFileTest, IntegersTakeTheLeadingDecimalNumberElseTheDefault) {
  write_text(file,
             "[N]\na=12abc\nb=-7\nc=-x\nd=\ne=word\nf=+5\ng= 5\nh=0\ni=99999999999\n"
             "j=-99999999999\nk=2147483647\nl=-2147483648\nm=007\n[colors]\nlines=blue\n");
  PrivateIniFile ini(file.c_str());
  const std::pair<const char*, int> cases[] = {
      {"a", 12}, {"b", -7},      {"c", 42},      {"d", 42},      {"e", 42},      {"f", 42}, {"g", 5},
      {"h", 0},  {"i", INT_MAX}, {"j", INT_MIN}, {"k", INT_MAX}, {"l", INT_MIN}, {"m", 7},  {"absent", 42}};
  for (const auto& [key, expected] : cases) EXPECT_EQ(ini.read_integer("n", key, 42), expected) << key;
  EXPECT_EQ(ini.read_integer(color_key(7)), kColorKeys[7].default_value);  // not a number
}

TEST_F(IniFileTest, LongValuesReadWholeAndStringsCutToTheBuffer) {
  const std::string value300(300, 'v');
  const std::string value255(255, 'w');  // exactly fills the first buffer
  write_text(file, "[S]\nlong=" + value300 + "\nedge=" + value255 +
                       "\nempty=\n"
                       "[Preferences]\nButtons=Hide-the-pane-please\n");
  PrivateIniFile ini(file.c_str());
  char buffer[1024];
  EXPECT_EQ(ini.read_string("S", "long", "", buffer, sizeof buffer), 300);
  EXPECT_EQ(std::string(buffer), value300);
  EXPECT_EQ(ini.read_string("S", "edge", "", buffer, sizeof buffer), 255);
  EXPECT_EQ(std::string(buffer), value255);
  EXPECT_EQ(ini.read_string("S", "LONG", "", buffer, 10), 9);  // from the cache, cut
  EXPECT_STREQ(buffer, "vvvvvvvvv");
  EXPECT_EQ(ini.read_string("S", "empty", "dflt", buffer, 10), 0);  // present but empty
  EXPECT_EQ(ini.read_string("S", "gone", "dflt", buffer, 3), 2);    // default, cut
  EXPECT_STREQ(buffer, "df");
  EXPECT_EQ(ini.read_string(kButtonsPlacement), "Hide-the-");  // cut to its key's buffer
}

TEST_F(IniFileTest, FlushWritesEachChangedKeyOnce) {
  write_text(file, "; mine\n[Buttons]\nOKSoFar=1\nSomeoneElse=x\n");
  CountingIniFile ini(file.c_str());

  ini.write_integer(kButtonsNext, 1);
  ini.write_integer(kButtonsNext, 1);
  ini.write_integer(kButtonsOKSoFar, ini.read_integer(kButtonsOKSoFar));  // the value it has
  EXPECT_EQ(ini.read_integer("Preferences", "Singles", 5), 5);            // absent, only read
  ini.write_string("Buttons", "Case", "abc");
  ini.write_string("buttons", "CASE", "ABC");  // one key; the value differs in case
  ini.flush(false);
  EXPECT_EQ(ini.writes, (std::vector<std::string>{"Buttons/Case=ABC", "Buttons/Next=1"}));
  EXPECT_EQ(read_text(file), "; mine\n[Buttons]\nOKSoFar=1\nSomeoneElse=x\nCase=ABC\nNext=1\n");

  // Clean now: a second flush writes nothing, a flush of everything loaded
  // writes the keys read or set but never the absent one.
  ini.writes.clear();
  ini.flush(false);
  EXPECT_TRUE(ini.writes.empty());
  ini.flush(true);
  EXPECT_EQ(ini.writes.size(), 3u);
  EXPECT_EQ(read_text(file).find("Singles"), std::string::npos);
}

// The end of a first run sets every colour, the window's geometry and more:
// they reach the file in one rewrite, not one each.
TEST_F(IniFileTest, AFlushRewritesTheFileOnce) {
  PrivateIniFile ini(file.c_str());
  ini.write_integer(kHighlightSkip, 1);
  for (int element = 0; element < kColorElements; ++element) ini.write_integer(color_key(element), 1000 + element);
  for (const char* key : {"X", "Y", "W", "H", "Maximized"}) ini.write_integer("Geometry", key, 7);
  EXPECT_EQ(rewrites(folder.path(), "Vantry.ini", [&] { ini.flush(false); }), 1);
  EXPECT_EQ(rewrites(folder.path(), "Vantry.ini", [&] { ini.flush(false); }), 0);
  PrivateIniFile reread(file.c_str());
  EXPECT_EQ(reread.read_integer(color_key(26)), 1026);
  EXPECT_EQ(reread.read_integer("Geometry", "Maximized", 0), 7);
}

TEST_F(IniFileTest, NoWriteFlagAndFailedWritesKeepKeysDirty) {
  {
    CountingIniFile ini(file.c_str());
    ini.write_integer(kHighlightSkip, 0);
    ini.set_no_write(true);
    ini.flush(false);
    ini.failWrites = true;
    ini.set_no_write(false);
    ini.flush(false);
    EXPECT_FALSE(std::filesystem::exists(file));
    ini.failWrites = false;
  }  // the end of the cache flushes what is still dirty
  EXPECT_EQ(read_text(file), "[Highlight]\nSkip=0\n");
}

TEST_F(IniFileTest, AnswersComeFromTheCacheOnceAsked) {
  write_text(file, "[Create]\nLastDifficulty=11904\n");
  PrivateIniFile ini(file.c_str());
  EXPECT_EQ(ini.read_integer(kLastDifficulty), 11904);
  EXPECT_EQ(ini.read_integer(kLastStrategy), 1);
  // Another program changes the file: neither the value nor the absence is asked again.
  write_text(file, "[Create]\nLastDifficulty=11902\n[Practice]\nLastStrategy=9\n");
  EXPECT_EQ(ini.read_integer(kLastDifficulty), 11904);
  EXPECT_EQ(ini.read_integer(kLastStrategy), 1);
}

TEST_F(IniFileTest, EmptyFileGivesEveryDefaultAndStaysEmpty) {
  write_text(file, "");
  {
    PrivateIniFile ini(file.c_str());
    for (const IntegerKey& key : kIntegerKeys) EXPECT_EQ(ini.read_integer(key), key.default_value) << key.key;
    for (int element = 0; element < kColorElements; ++element) {
      EXPECT_EQ(ini.read_integer(color_key(element)), kColorKeys[element].default_value);
    }
    for (const char* section : kDialogSections) EXPECT_EQ(ini.read_integer(dialog_dx(section)), 0);
    EXPECT_EQ(ini.read_string(kButtonsPlacement), "Right");
  }
  EXPECT_EQ(read_text(file), "");
}

TEST(IniFileDeathTest, FileNeedsAName) {
  EXPECT_DEATH(PrivateIniFile ini(nullptr), "Assertion failed: name != NULL, file .*src/classlib/inifile.cpp");
}

}  // namespace
}  // namespace vantry
