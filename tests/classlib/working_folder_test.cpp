// The choice of working folder for the ways the program can be started, with
// the home, config and install folders all pointed into a temporary folder.
#include "classlib/working_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "temp_folder.h"

namespace vantry {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::write_text;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : my_name(name) {
    if (const char* old = getenv(name)) my_old = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() { my_old ? setenv(my_name, my_old->c_str(), 1) : unsetenv(my_name); }

 private:
  const char* my_name;
  std::optional<std::string> my_old;
};

class WorkingFolder : public ::testing::Test {
 protected:
  ~WorkingFolder() override { fs::current_path(my_cwd); }

  // Starts the program installed in a folder from the folder from, with an
  // optional file to open; returns the folder it works in.
  fs::path start(const fs::path& installed, const fs::path& from, std::string file = "") {
    fs::create_directories(installed);
    fs::create_directories(from);
    fs::current_path(from);
    const fs::path chosen = choose_working_folder(installed / "vantry", file, prefixes);
    EXPECT_EQ(fs::current_path(), chosen);
    lastFile = file;
    return chosen;
  }

  const fs::path my_cwd = fs::current_path();
  TempFolder temp;
  const fs::path home = temp.path() / "home";
  const fs::path config = temp.path() / "config";
  ScopedEnv homeEnv{"HOME", home.string()};
  ScopedEnv configEnv{"XDG_CONFIG_HOME", config.string()};
  const std::string prefix = (temp.path() / "prefix").string();
  const std::string_view prefixes[1] = {prefix};
  std::string lastFile;
};

TEST_F(WorkingFolder, OwnFolderInsideAnInstallPrefixMovesToDocuments) {
  fs::create_directories(home / "Documents");
  const fs::path installed = prefix + "/Tavimo Labs/Vantry";
  const fs::path expected = home / "Documents" / "Tavimo Labs" / "Vantry";
  EXPECT_EQ(start(installed, installed), expected);
  EXPECT_TRUE(fs::is_directory(expected));
  EXPECT_EQ(stored_folder(), expected);
  EXPECT_EQ(folder_store_path(), config / "Tavimo Labs" / "Vantry" / "folder");
  // A relative XDG_CONFIG_HOME is ignored for ~/.config.
  ScopedEnv relative("XDG_CONFIG_HOME", "relative/config");
  EXPECT_EQ(folder_store_path(), home / ".config" / "Tavimo Labs" / "Vantry" / "folder");
}

TEST_F(WorkingFolder, ProgramDirectlyInThePrefixUsesDefaultUnderDocuments) {
  // The documents folder as user-dirs.dirs names it wins over ~/Documents.
  fs::create_directories(home / "Documents");
  fs::create_directories(config);
  write_text((config / "user-dirs.dirs").string(),
             "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
             "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
  EXPECT_EQ(start(prefix, prefix), home / "Papers" / "Default");

  // With neither, the home folder itself.
  fs::remove(config / "user-dirs.dirs");
  fs::remove(home / "Documents");
  EXPECT_EQ(documents_folder(), home);
}

TEST_F(WorkingFolder, StartedFromAnotherFolderStaysThere) {
  const fs::path installed = prefix + "/Vantry";
  const fs::path shortcutFolder = temp.path() / "games";
  EXPECT_EQ(start(installed, shortcutFolder), shortcutFolder);
  EXPECT_EQ(stored_folder(), shortcutFolder);
  // Outside any prefix, from its own folder: its own folder.
  const fs::path portable = temp.path() / "portable";
  EXPECT_EQ(start(portable, portable), portable);
}

TEST_F(WorkingFolder, OpeningAFileUsesTheStoredFolder) {
  const fs::path stored = temp.path() / "games";
  start(prefix + "/Vantry", stored);  // a plain start remembers it

  const fs::path downloads = temp.path() / "downloads";
  EXPECT_EQ(start(prefix + "/Vantry", downloads, "puzzle.spz"), stored);
  EXPECT_EQ(lastFile, (downloads / "puzzle.spz").string());  // still names the same file

  // A stored folder that is gone, or a store holding nonsense, falls through
  // to the usual choice, and opening a file never changes the store.
  fs::remove_all(stored);
  EXPECT_EQ(start(prefix + "/Vantry", downloads, "/abs/puzzle.spz"), downloads);
  EXPECT_EQ(lastFile, "/abs/puzzle.spz");
  EXPECT_EQ(stored_folder(), stored);
  write_text(folder_store_path().string(), "relative/folder\n");
  EXPECT_EQ(start(prefix + "/Vantry", downloads, "puzzle.spz"), downloads);
  EXPECT_EQ(stored_folder(), std::nullopt);
}

}  // namespace
}  // namespace vantry
