// A settings object with no file underneath: the values live in memory for
// the run. The game uses one until the program attaches the real
// settings file, and tests use it to see what was written.
#pragma once

#include <cstring>
#include <map>
#include <string>

#include "classlib/inifile.h"

namespace vantry {

class MemorySettings final : public IniFile {
 public:
  // What reached "the file" by a flush, as "Section/Key" -> value.
  std::map<std::string, std::string> stored;

 protected:
  bool write_raw(const char* section, const char* key, const char* value) override {
    stored[std::string(section) + "/" + key] = value;
    return true;
  }
  int read_raw(const char* section, const char* key, const char* default_value, char* buffer, int size) override {
    const auto it = stored.find(std::string(section) + "/" + key);
    const std::string value = it != stored.end() ? it->second : std::string(default_value ? default_value : "");
    const int n = static_cast<int>(value.size() < static_cast<std::size_t>(size - 1) ? value.size() : size - 1);
    std::memcpy(buffer, value.data(), n);
    buffer[n] = 0;
    return n;
  }
};

}  // namespace vantry
