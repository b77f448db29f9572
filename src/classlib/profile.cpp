#include "classlib/profile.h"

#include <cstring>
#include <deque>
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
    line.name = trim(body.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
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
    const std::size_t lineLength = newline == std::string_view::npos ? contents.size() : newline + 1;
    if (textLength > 0 && contents[textLength - 1] == '\r') --textLength;
    lines.push_back(classify(contents.substr(0, textLength), contents.substr(textLength, lineLength - textLength)));
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

bool quoted(std::string_view text) { return text.size() >= 2 && text.front() == '"' && text.back() == '"'; }

// A value as the reader gives it: without surrounding blanks, then without
// one pair of surrounding double quotes.
std::string_view value_as_read(std::string_view stored) {
  stored = trim(stored);
  if (quoted(stored)) stored = stored.substr(1, stored.size() - 2);
  return stored;
}

// A value as it is stored: its first line, in quotes when reading would
// otherwise take away its surrounding blanks or quotes.
std::string value_as_stored(const char* value) {
  const std::string_view firstLine(value, std::strcspn(value, "\r\n"));
  std::string stored(firstLine);
  if (trim(firstLine).size() != firstLine.size() || quoted(firstLine)) {
    stored.insert(stored.begin(), '"');
    stored.push_back('"');
  }
  return stored;
}

// A line is ended when its ending holds the line feed; a last line without
// one, or with a lone carriage return, must be ended before anything follows.
bool ended(const Line& line) { return !line.ending.empty() && line.ending.back() == '\n'; }

// The file's lines while keys are set in them. New text lives in storage,
// whose strings never move, so the lines can keep viewing it.
class ProfileEdit {
 public:
  ProfileEdit(std::string_view contents, std::size_t limit)
      : my_lines(split_lines(contents)), my_size(contents.size()), my_limit(limit) {
    // New lines end the way the file's lines already do.
    if (!my_lines.empty() && my_lines.front().ending == "\r\n") my_eol = "\r\n";
  }

  // Sets the key; false, with nothing changed, when the file would grow past
  // the limit.
  bool set(std::string_view section, std::string_view key, const char* value) {
    const KeyPlace place = find_key(my_lines, section, key);
    std::string line(key);
    line += '=';
    line += value_as_stored(value);
    const std::string_view keyLine = keep(std::move(line));

    if (place.keyLine >= 0) {
      // The key's line is replaced where it stands.
      Line& old = my_lines[place.keyLine];
      const std::string_view ending = ended(old) ? old.ending : my_eol;
      if (!fits(keyLine.size() + ending.size(), old.text.size() + old.ending.size())) return false;
      old = classify(keyLine, ending);
      return true;
    }
    if (place.insertAfter >= 0) {
      // A new key after the section's last key.
      Line& previous = my_lines[place.insertAfter];
      const bool endPrevious = !ended(previous);
      if (!fits((endPrevious ? my_eol.size() : 0) + keyLine.size() + my_eol.size(),
                endPrevious ? previous.ending.size() : 0)) {
        return false;
      }
      if (endPrevious) previous.ending = my_eol;
      my_lines.insert(my_lines.begin() + place.insertAfter + 1, classify(keyLine, my_eol));
      return true;
    }
    // A new section at the end, set off by a blank line.
    std::string header(1, '[');
    header += section;
    header += ']';
    const std::string_view sectionLine = keep(std::move(header));
    const bool endLast = !my_lines.empty() && !ended(my_lines.back());
    const bool blankLine = !my_lines.empty() && !trim(my_lines.back().text).empty();
    const std::size_t added = (endLast ? my_eol.size() : 0) + (blankLine ? my_eol.size() : 0) + sectionLine.size() +
                              keyLine.size() + 2 * my_eol.size();
    if (!fits(added, endLast ? my_lines.back().ending.size() : 0)) return false;
    if (endLast) my_lines.back().ending = my_eol;
    if (blankLine) my_lines.push_back(classify("", my_eol));
    my_lines.push_back(classify(sectionLine, my_eol));
    my_lines.push_back(classify(keyLine, my_eol));
    return true;
  }

  std::string text() const {
    std::string result;
    result.reserve(my_size);
    for (const Line& line : my_lines) {
      result += line.text;
      result += line.ending;
    }
    return result;
  }

 private:
  std::string_view keep(std::string text) {
    my_storage.push_back(std::move(text));
    return my_storage.back();
  }
  // Whether the file stays within the limit when added bytes replace
  // removed ones; if so the new size is taken.
  bool fits(std::size_t added, std::size_t removed) {
    const std::size_t size = my_size - removed + added;
    if (size > my_limit) return false;
    my_size = size;
    return true;
  }

  std::vector<Line> my_lines;
  std::deque<std::string> my_storage;
  std::string_view my_eol = "\n";
  std::size_t my_size;
  std::size_t my_limit;
};

void check_names(const char* section, const char* key, const char* value) {
  VANTRY_ASSERT(section != NULL && key != NULL && value != NULL);
  // Names come from the program itself; one that could not be read back as
  // the same section or key is a mistake in the program.
  VANTRY_ASSERT(*section != '\0' && std::strpbrk(section, "]\r\n") == NULL);
  VANTRY_ASSERT(*key != '\0' && std::strpbrk(key, "=\r\n") == NULL && std::strchr("[;#", *key) == NULL);
}

}  // namespace

bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
  }
  return true;
}

int read_profile_string(const char* section, const char* key, const char* default_value, char* buffer, int size,
                        const char* file_name) {
  VANTRY_ASSERT(buffer != NULL && size > 0);
  VANTRY_ASSERT(section != NULL && key != NULL && default_value != NULL && file_name != NULL);
  std::string contents;
  if (read_small_file(file_name, kLargestProfile, contents) == FileRead::Ok) {
    const std::vector<Line> lines = split_lines(contents);
    const KeyPlace place = find_key(lines, section, key);
    if (place.keyLine >= 0) return copy_out(value_as_read(lines[place.keyLine].value), buffer, size);
  }
  return copy_out(default_value, buffer, size);
}

bool write_profile_strings(std::span<ProfileWrite> writes, const char* file_name) {
  VANTRY_ASSERT(file_name != NULL);
  for (ProfileWrite& write : writes) {
    check_names(write.section, write.key, write.value);
    write.written = false;
  }
  // Under the lock the file is read again, so the keys other programs wrote
  // since we last looked stay, and only ours change.
  std::string error;
  const bool ok = update_file_locked(
      file_name, kLargestProfile,
      [&](std::string& contents) {
        ProfileEdit edit(contents, kLargestProfile);
        for (ProfileWrite& write : writes) write.written = edit.set(write.section, write.key, write.value);
        std::string updated = edit.text();
        if (updated == contents) return false;  // nothing to change: leave the file alone
        contents = std::move(updated);
        return true;
      },
      error);
  bool all = true;
  for (ProfileWrite& write : writes) {
    write.written = write.written && ok;
    all = all && write.written;
  }
  return all;
}

bool write_profile_string(const char* section, const char* key, const char* value, const char* file_name) {
  ProfileWrite write{section, key, value};
  return write_profile_strings(std::span<ProfileWrite>(&write, 1), file_name);
}

}  // namespace vantry
