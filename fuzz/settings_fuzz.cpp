// The settings file. The input is the file as it stands; its first bytes
// choose a section, a key and a value (one line, as the program writes
// values). Properties: reading any key of any file works, and a setting the
// file layer says it wrote reads back as written, through the file layer and
// through a fresh settings cache.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "classlib/inifile.h"
#include "classlib/profile.h"
#include "fuzz_check.h"

namespace {

const char* const kSections[] = {"Geometry", "Preferences", "Colors", "geometry", "New section"};
const char* const kKeys[] = {"W", "H", "DX", "UserAns", "Hint_Remove", "w", "New key"};

std::string file_name() {
  static const std::string name = "/tmp/vantry-settings-fuzz-" + std::to_string(getpid()) + ".ini";
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantry;
  if (size < 2 || size > kLargestProfile / 2) return 0;
  const char* section = kSections[data[0] % std::size(kSections)];
  const char* key = kKeys[data[1] % std::size(kKeys)];
  std::string value;
  for (std::size_t i = 2; i < size && i < 34; ++i) {
    const char ch = static_cast<char>(data[i]);
    if (ch == '\n' || ch == '\r' || ch == '\0') break;
    value += ch;
  }
  const std::string name = file_name();
  {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }

  char buffer[256];
  for (const char* s : kSections) {
    for (const char* k : kKeys) read_profile_string(s, k, "", buffer, sizeof buffer, name.c_str());
  }
  if (write_profile_string(section, key, value.c_str(), name.c_str())) {
    read_profile_string(section, key, "(absent)", buffer, sizeof buffer, name.c_str());
    fuzz::check(value == buffer, "a written setting reads back");
    PrivateIniFile settings(name.c_str());
    settings.set_no_write(true);
    char cached[256];
    settings.read_string(section, key, "(absent)", cached, sizeof cached);
    fuzz::check(value == cached, "a written setting reads back through the settings cache");
  }
  std::remove(name.c_str());
  return 0;
}
