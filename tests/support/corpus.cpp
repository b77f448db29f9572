#include "support/corpus.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace vantry::testing {

std::string corpus_path(const std::string& name) { return std::string(VANTRY_CORPUS_DIR) + "/" + name; }

std::vector<std::string> read_lines(const std::string& path) {
  std::ifstream in(path);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::vector<std::vector<std::string>> read_case_fields(const std::string& name) {
  std::vector<std::vector<std::string>> cases;
  for (const std::string& line : read_lines(std::string(VANTRY_TEST_DATA_DIR) + "/" + name)) {
    if (line[0] == '#' || line.find_first_not_of(' ') == std::string::npos) continue;
    std::vector<std::string>& fields = cases.emplace_back();
    std::istringstream parts(line);
    for (std::string field; std::getline(parts, field, '|');) {
      const auto first = field.find_first_not_of(' ');
      fields.push_back(first == std::string::npos ? "" : field.substr(first, field.find_last_not_of(' ') - first + 1));
    }
  }
  return cases;
}

std::vector<std::string> corpus_files() {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(VANTRY_CORPUS_DIR, error)) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt")
      names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vantry::testing
