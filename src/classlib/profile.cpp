#include "classlib/profile.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "classlib/contract.h"
#include "classlib/safe_file.h"

namespace vantry {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// One line of the file as it stands: its text without the line ending, and
// the ending itself ("\n", "\r\n", or nothing on an unterminated last line).
struct Line {
  std::string_view text;
  std::string_view ending;
  enum Kind { Other, Section, Key } kind = Other;
  std::string_view name;   // section or key name, blanks trimmed
  std::string_view value;  // a key's value, verbatim after the '='
};

Line classify(std::string_view text, std::string_view ending) {
  Line line;
  line.text = text;
  line.ending = ending;
  const std::string_view body = trim(text);
  if (body.empty() || body.front() == ';' || body.front() == '#') return line;
  if (body.front() == '[') {
    const std::size_t close = body.find(']');
    line.kind = Line::Section;
    line.name =
        trim(body.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return line;
  }
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return line;
  line.kind = Line::Key;
  line.name = trim(text.substr(0, equals));
  line.value = text.substr(equals + 1);
  // A zero byte ends a value, as it would end the copy handed to the caller.
  line.value = line.value.substr(0, line.value.find('\0'));
  return line;
}

std::vector<Line> split_lines(std::string_view contents) {
  std::vector<Line> lines;
  while (!contents.empty()) {
    const std::size_t newline = contents.find('\n');
    std::size_t textLength = newline == std::string_view::npos ? contents.size() : newline;
    const std::size_t lineLength =
        newline == std::string_view::npos ? contents.size() : newline + 1;
    if (textLength > 0 && contents[textLength - 1] == '\r') --textLength;
    lines.push_back(classify(contents.substr(0, textLength),
                             contents.substr(textLength, lineLength - textLength)));
    contents.remove_prefix(lineLength);
  }
  return lines;
}

// Where a key stands: the index of its line, and of the line after which a
// new key of the section would go (-1 when the section is missing).
struct KeyPlace {
  int keyLine = -1;
  int insertAfter = -1;
};

KeyPlace find_key(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
  KeyPlace place;
  bool inSection = false;
  bool firstSection = false;  // new keys go into the first section of that name
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    const Line& line = lines[i];
    if (line.kind == Line::Section) {
      inSection = same_name(line.name, section);
      firstSection = inSection && place.insertAfter < 0;
      if (firstSection) place.insertAfter = i;
    } else if (line.kind == Line::Key && inSection) {
      if (same_name(line.name, key)) {
        place.keyLine = i;
        return place;
      }
      if (firstSection) place.insertAfter = i;
    }
  }
  return place;
}

int copy_out(std::string_view text, char* buffer, int size) {
  const std::size_t length = text.size() < static_cast<std::size_t>(size) ? text.size() : size - 1;
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

}  // namespace

bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
  }
  return true;
}

int read_profile_string(const char* section, const char* key, const char* default_value,
                        char* buffer, int size, const char* file_name) {
  VANTRY_ASSERT(buffer != NULL && size > 0);
  VANTRY_ASSERT(section != NULL && key != NULL && default_value != NULL && file_name != NULL);
  std::string contents;
  if (read_small_file(file_name, kLargestProfile, contents) == FileRead::Ok) {
    const std::vector<Line> lines = split_lines(contents);
    const KeyPlace place = find_key(lines, section, key);
    if (place.keyLine >= 0) return copy_out(lines[place.keyLine].value, buffer, size);
  }
  return copy_out(default_value, buffer, size);
}

bool write_profile_string(const char* section, const char* key, const char* value,
                          const char* file_name) {
  VANTRY_ASSERT(section != NULL && key != NULL && value != NULL && file_name != NULL);
  // Names come from the program itself; one that could not be read back as
  // the same section or key is a mistake in the program.
  VANTRY_ASSERT(*section != '\0' && std::strpbrk(section, "]\r\n") == NULL);
  VANTRY_ASSERT(*key != '\0' && std::strpbrk(key, "=\r\n") == NULL &&
                std::strchr("[;#", *key) == NULL);

  std::string contents;
  if (read_small_file(file_name, kLargestProfile, contents) == FileRead::Unusable) return false;
  const std::vector<Line> lines = split_lines(contents);
  const KeyPlace place = find_key(lines, section, key);

  // New lines end the way the file's lines already do.
  std::string_view eol = "\n";
  if (!lines.empty() && lines.front().ending == "\r\n") eol = "\r\n";
  const std::string_view firstLine(value, std::strcspn(value, "\r\n"));
  const std::string keyLine = std::string(key) + "=" + std::string(firstLine);

  // Rebuild the file: every line as it was, with the key's line replaced or inserted.
  std::string updated;
  updated.reserve(contents.size() + keyLine.size() + 16);
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    const Line& line = lines[i];
    if (i == place.keyLine) {
      updated += keyLine;
      updated += line.ending.empty() ? eol : line.ending;
      continue;
    }
    updated += line.text;
    updated += line.ending.empty() && i == place.insertAfter ? eol : line.ending;
    if (place.keyLine < 0 && i == place.insertAfter) {
      updated += keyLine;
      updated += eol;
    }
  }
  if (place.insertAfter < 0) {
    // A new section at the end, set off by a blank line.
    if (!lines.empty()) {
      if (lines.back().ending.empty()) updated += eol;
      if (!trim(lines.back().text).empty()) updated += eol;
    }
    updated += "[";
    updated += section;
    updated += "]";
    updated += eol;
    updated += keyLine;
    updated += eol;
  }

  if (updated == contents) return true;  // nothing to change: leave the file alone
  return replace_file(file_name, updated);
}

}  // namespace vantry
