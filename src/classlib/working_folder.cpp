#include "classlib/working_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "classlib/safe_file.h"

namespace vantry {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kLargestSmallFile = 64 * 1024;

fs::path absolute_env(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value != '/') return {};  // unset, empty or relative: ignored
  return fs::path(value);
}

// The value of XDG_DOCUMENTS_DIR in user-dirs.dirs: a quoted absolute path,
// or one that begins with $HOME.
fs::path documents_from_user_dirs(const fs::path& home) {
  const fs::path config = config_folder();
  if (config.empty()) return {};
  std::string contents;
  if (read_small_file(config / "user-dirs.dirs", kLargestSmallFile, contents) != FileRead::Ok) return {};
  std::string_view rest = contents;
  while (!rest.empty()) {
    const std::size_t newline = rest.find('\n');
    std::string_view line = rest.substr(0, newline);
    rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    constexpr std::string_view kName = "XDG_DOCUMENTS_DIR=\"";
    if (!line.starts_with(kName)) continue;
    line.remove_prefix(kName.size());
    const std::size_t quote = line.find('"');
    if (quote == std::string_view::npos) return {};
    std::string_view value = line.substr(0, quote);
    if (value.starts_with("$HOME")) {
      if (home.empty()) return {};
      value.remove_prefix(5);
      while (value.starts_with('/')) value.remove_prefix(1);
      return value.empty() ? home : home / fs::path(value);
    }
    return value.starts_with('/') ? fs::path(value) : fs::path();
  }
  return {};
}

// The program folder's path after an install prefix, or nothing when the
// folder is not inside one.
std::optional<fs::path> install_remainder(const fs::path& programFolder,
                                          std::span<const std::string_view> installPrefixes) {
  const std::string folder = programFolder.string();
  for (const std::string_view prefix : installPrefixes) {
    if (folder == prefix) return fs::path("Default");
    if (folder.size() > prefix.size() && folder.starts_with(prefix) && folder[prefix.size()] == '/') {
      return fs::path(folder.substr(prefix.size() + 1));
    }
  }
  return std::nullopt;
}

bool enter(const fs::path& folder) {
  std::error_code error;
  fs::current_path(folder, error);
  return !error;
}

// The same folder, by identity where both exist, else by spelling.
bool same_folder(const fs::path& a, const fs::path& b) {
  std::error_code error;
  const bool same = fs::equivalent(a, b, error);
  return error ? a.lexically_normal() == b.lexically_normal() : same;
}

}  // namespace

fs::path home_folder() {
  fs::path home = absolute_env("HOME");
  if (home.empty()) {
    if (const passwd* entry = ::getpwuid(::getuid());
        entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/') {
      home = entry->pw_dir;
    }
  }
  return home;
}

fs::path config_folder() {
  const fs::path config = absolute_env("XDG_CONFIG_HOME");
  if (!config.empty()) return config;
  const fs::path home = home_folder();
  return home.empty() ? fs::path() : home / ".config";
}

fs::path documents_folder() {
  const fs::path home = home_folder();
  if (fs::path documents = documents_from_user_dirs(home); !documents.empty()) return documents;
  if (home.empty()) return {};
  std::error_code error;
  if (fs::is_directory(home / "Documents", error)) return home / "Documents";
  return home;
}

fs::path folder_store_path() {
  const fs::path config = config_folder();
  return config.empty() ? fs::path() : config / kMakerName / kProductName / "folder";
}

std::optional<fs::path> stored_folder() {
  const fs::path store = folder_store_path();
  if (store.empty()) return std::nullopt;
  std::string contents;
  if (read_small_file(store, kLargestSmallFile, contents) != FileRead::Ok) return std::nullopt;
  std::string folder = contents.substr(0, contents.find('\n'));
  if (folder.empty() || folder.front() != '/' || folder.find('\0') != std::string::npos) return std::nullopt;
  return fs::path(folder);
}

bool store_folder(const fs::path& folder) {
  const fs::path store = folder_store_path();
  const std::string text = folder.string();
  // The store holds one line; a folder name that cannot be one is not stored.
  if (store.empty() || text.empty() || text.find_first_of(std::string("\n\0", 2)) != std::string::npos) {
    return false;
  }
  std::error_code error;
  fs::create_directories(store.parent_path(), error);
  if (error) return false;
  return replace_file(store, text + "\n");
}

fs::path choose_working_folder(const fs::path& programFile, std::string& fileArgument,
                               std::span<const std::string_view> installPrefixes) {
  std::error_code error;
  const fs::path started = fs::current_path(error);
  const bool startedWithFile = !fileArgument.empty();
  if (startedWithFile && fileArgument.front() != '/' && !started.empty()) {
    fileArgument = (started / fileArgument).string();
  }

  const fs::path chosen = [&]() -> fs::path {
    // 1. Opening a saved game: the folder of the last plain start.
    if (startedWithFile) {
      if (const std::optional<fs::path> folder = stored_folder(); folder && enter(*folder)) return *folder;
    }
    // 2. Started from elsewhere (a shortcut's own start folder, a shell): stay.
    const fs::path programFolder = (started / programFile).lexically_normal().parent_path();
    if (started.empty() || !same_folder(started, programFolder)) return started;
    // 3. Started inside a system install prefix: the same folder under documents.
    if (const std::optional<fs::path> remainder = install_remainder(programFolder, installPrefixes)) {
      const fs::path documents = documents_folder();
      if (!documents.empty()) {
        const fs::path target = documents / *remainder;
        fs::create_directories(target, error);
        if (enter(target)) return target;
      }
    }
    // 4. The program's own folder.
    return started;
  }();

  if (!startedWithFile && !chosen.empty()) store_folder(chosen);
  return chosen;
}

}  // namespace vantry
