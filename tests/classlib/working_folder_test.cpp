// The choice of working folder for the ways the program can be started, with
// the home, config and install folders all pointed into a temporary folder.
#include "classlib/working_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "temp_folder.h"

namespace vantry {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::write_text;

class WorkingFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    my_cwd = fs::current_path();
    save("HOME");
    save("XDG_CONFIG_HOME");
    home = temp.path() / "home";
    fs::create_directories(home);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (temp.path() / "config").c_str(), 1);
    prefixText = (temp.path() / "prefix").string();
    prefixes[0] = prefixText;
  }
  void TearDown() override {
    fs::current_path(my_cwd);
    for (const auto& [name, value] : my_saved) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
  }

  // Starts the program installed in folder, from the folder start, with an
  // optional file to open; returns the folder it works in.
  fs::path start(const fs::path& installed, const fs::path& from, std::string& file) {
    fs::create_directories(installed);
    fs::create_directories(from);
    fs::current_path(from);
    const fs::path chosen = choose_working_folder(installed / "vantry", file, prefixes);
    EXPECT_EQ(fs::current_path(), chosen);
    return chosen;
  }
  fs::path start(const fs::path& installed, const fs::path& from) {
    std::string none;
    return start(installed, from, none);
  }

  TempFolder temp;
  fs::path home;
  std::string prefixText;
  std::string_view prefixes[1];

 private:
  void save(const char* name) {
    const char* value = getenv(name);
    my_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
  }
  fs::path my_cwd;
  std::vector<std::pair<std::string, std::optional<std::string>>> my_saved;
};

TEST_F(WorkingFolder, OwnFolderInsideAnInstallPrefixMovesToDocuments) {
  fs::create_directories(home / "Documents");
  const fs::path installed = prefixText + "/Tavimo Labs/Vantry";
  const fs::path expected = home / "Documents" / "Tavimo Labs" / "Vantry";
  EXPECT_EQ(start(installed, installed), expected);
  EXPECT_TRUE(fs::is_directory(expected));
  EXPECT_EQ(stored_folder(), expected);
  EXPECT_EQ(folder_store_path(), temp.path() / "config" / "Tavimo Labs" / "Vantry" / "folder");
}

TEST_F(WorkingFolder, ProgramDirectlyInThePrefixUsesDefaultUnderDocuments) {
  // The documents folder as user-dirs.dirs names it wins over ~/Documents.
  fs::create_directories(home / "Documents");
  fs::create_directories(temp.path() / "config");
  write_text((temp.path() / "config" / "user-dirs.dirs").string(),
             "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
             "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
  EXPECT_EQ(start(prefixText, prefixText), home / "Papers" / "Default");

  // With neither, the home folder itself.
  fs::remove(temp.path() / "config" / "user-dirs.dirs");
  fs::remove(home / "Documents");
  EXPECT_EQ(documents_folder(), home);
}

TEST_F(WorkingFolder, StartedFromAnotherFolderStaysThere) {
  const fs::path installed = prefixText + "/Vantry";
  const fs::path shortcutFolder = temp.path() / "games";
  EXPECT_EQ(start(installed, shortcutFolder), shortcutFolder);
  EXPECT_EQ(stored_folder(), shortcutFolder);
  // Outside any prefix, from its own folder: its own folder.
  const fs::path portable = temp.path() / "portable";
  EXPECT_EQ(start(portable, portable), portable);
}

TEST_F(WorkingFolder, OpeningAFileUsesTheStoredFolder) {
  const fs::path stored = temp.path() / "games";
  start(prefixText + "/Vantry", stored);  // a plain start remembers it

  const fs::path downloads = temp.path() / "downloads";
  std::string file = "puzzle.spz";
  EXPECT_EQ(start(prefixText + "/Vantry", downloads, file), stored);
  EXPECT_EQ(file, (downloads / "puzzle.spz").string());  // still names the same file

  // A stored folder that is gone, or a store holding nonsense, falls through
  // to the usual choice, and opening a file never changes the store.
  fs::remove_all(stored);
  file = "/abs/puzzle.spz";
  EXPECT_EQ(start(prefixText + "/Vantry", downloads, file), downloads);
  EXPECT_EQ(file, "/abs/puzzle.spz");
  write_text(folder_store_path().string(), "relative/folder\n");
  EXPECT_EQ(start(prefixText + "/Vantry", downloads, file), downloads);
  EXPECT_EQ(stored_folder(), std::nullopt);
}

TEST_F(WorkingFolder, RelativeConfigHomeIsIgnored) {
  setenv("XDG_CONFIG_HOME", "relative/config", 1);
  EXPECT_EQ(folder_store_path(), home / ".config" / "Tavimo Labs" / "Vantry" / "folder");
  EXPECT_TRUE(store_folder(temp.path()));
  EXPECT_EQ(stored_folder(), temp.path());
}

}  // namespace
}  // namespace vantry
