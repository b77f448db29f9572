// Chooses the folder the program works in (and so where its settings file
// lives) at start-up. A plain start remembers the folder in a small per-user
// file under $XDG_CONFIG_HOME, so that a later start by opening a saved game
// works in the same folder; a program started from its own folder inside a
// system install prefix, where the player cannot write, works in a folder of
// the same name under the player's documents folder instead.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantry {

// The per-user store is the file "folder" in $XDG_CONFIG_HOME/<maker>/<product>.
inline constexpr const char kMakerName[] = "Tavimo Labs";
inline constexpr const char kProductName[] = "Vantry";

// Where programs are installed system-wide, the longer of two nested
// prefixes first so that it wins.
inline constexpr std::string_view kInstallPrefixes[] = {"/usr/local", "/usr", "/opt"};

// The player's home folder ($HOME, else the password database); empty if unknown.
std::filesystem::path home_folder();
// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config; empty if unknown.
std::filesystem::path config_folder();
// The documents folder named in user-dirs.dirs, else ~/Documents if it
// exists, else the home folder; empty if there is no home folder either.
std::filesystem::path documents_folder();

// The file that remembers the working folder; empty if there is no config folder.
std::filesystem::path folder_store_path();
// The remembered folder, if the store holds an absolute path.
std::optional<std::filesystem::path> stored_folder();
bool store_folder(const std::filesystem::path& folder);

// Makes the working folder the current directory and returns it:
// 1. Started with a file (fileArgument not empty): the stored folder, if it
//    can be entered.
// 2. Started from anywhere but the program's own folder: that folder.
// 3. Started from its own folder inside an install prefix: the documents
//    folder plus the program folder's path after the prefix ("Default" when
//    the program sits in the prefix itself), created with its parents.
// 4. Otherwise the program's folder.
// A plain start then stores the folder. A relative fileArgument is made
// absolute first, against the folder the program was started in, so it still
// names the same file after the change of folder.
std::filesystem::path choose_working_folder(const std::filesystem::path& programFile, std::string& fileArgument,
                                            std::span<const std::string_view> installPrefixes = kInstallPrefixes);

}  // namespace vantry
