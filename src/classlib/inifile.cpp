#include "classlib/inifile.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "classlib/contract.h"
#include "classlib/newstrdu.h"
#include "classlib/profile.h"

namespace vantry {
namespace {

// The default handed to the file when asking for a key: text no value in a
// settings file can be, since a value ends at its line's end, so getting it
// back means the key is absent. (Bytes merely unlikely in a value are not
// enough: a file can hold any bytes.)
constexpr char kAbsent[] = "\n(absent)\n";
constexpr int kAbsentLength = sizeof kAbsent - 1;
static_assert(kAbsentLength == 10);

// Reads start with room for 255 characters and double while the value fills
// the buffer. The raw file layer never holds more than this, so the loop ends.
constexpr int kFirstRead = 256;
constexpr int kLargestRead = 1 << 24;

}  // namespace

IniItem::IniItem(const char* name, const char* value, bool loaded, bool dirty, IniItem* next)
    : my_name(string_duplicate(name)),
      my_value(value != NULL ? string_duplicate(value) : NULL),
      my_length(value != NULL ? static_cast<int>(std::strlen(value)) : 0),
      my_loaded(loaded),
      my_dirty(dirty),
      my_next(next) {}

IniItem::~IniItem() {
  delete[] my_name;
  delete[] my_value;
}

void IniItem::set_value(const char* value) {
  // Writing the value already there is not a change; case counts in values.
  if (my_value == NULL || std::strcmp(my_value, value) != 0) {
    delete[] my_value;
    my_value = string_duplicate(value);
    my_length = static_cast<int>(std::strlen(value));
    my_dirty = true;
  }
  my_loaded = true;
}

IniGroup::IniGroup(IniFile& file, const char* name, IniGroup* next)
    : my_file(file), my_name(string_duplicate(name)), my_first(NULL), my_next(next) {}

IniGroup::~IniGroup() {
  while (my_first != NULL) {
    IniItem* next = my_first->my_next;
    delete my_first;
    my_first = next;
  }
  delete[] my_name;
}

IniItem* IniGroup::find(const char* key, bool load) {
  for (IniItem* item = my_first; item != NULL; item = item->my_next) {
    if (same_name(item->my_name, key)) return item;
  }
  if (!load) return NULL;

  // Ask the file, growing the buffer until the value fits. The answer is
  // cached either way: an absent key is not asked for again.
  const char* value = NULL;
  char* buffer = NULL;
  for (int size = kFirstRead;; size *= 2) {
    delete[] buffer;
    buffer = new (std::nothrow) char[size];
    VANTRY_ASSERT(buffer != NULL);
    const int length = my_file.read_raw(my_name, key, kAbsent, buffer, size);
    if (length == kAbsentLength && std::memcmp(buffer, kAbsent, kAbsentLength) == 0) break;
    if (length < size - 1 || size >= kLargestRead) {
      value = buffer;
      break;
    }
  }
  IniItem* item = new (std::nothrow) IniItem(key, value, value != NULL, false, my_first);
  VANTRY_ASSERT(item != NULL);
  delete[] buffer;
  my_first = item;
  return item;
}

void IniGroup::set(const char* key, const char* value) {
  IniItem* item = find(key, false);
  if (item == NULL) {
    item = new (std::nothrow) IniItem(key, value, true, true, my_first);
    VANTRY_ASSERT(item != NULL);
    my_first = item;
  } else {
    item->set_value(value);
  }
}

IniFile::~IniFile() {
  while (my_first != NULL) {
    IniGroup* next = my_first->my_next;
    delete my_first;
    my_first = next;
  }
}

IniGroup* IniFile::group(const char* section) {
  for (IniGroup* current = my_first; current != NULL; current = current->my_next) {
    if (same_name(current->my_name, section)) return current;
  }
  IniGroup* current = new (std::nothrow) IniGroup(*this, section, my_first);
  VANTRY_ASSERT(current != NULL);
  my_first = current;
  return current;
}

int IniFile::read_integer(const char* section, const char* key, int default_value) {
  char buffer[20];
  read_string(section, key, "", buffer, sizeof buffer);
  // The leading decimal number, "-" allowed before it; nothing else may come
  // first. Digits beyond the range stop counting at its end.
  const char* p = buffer;
  const bool negative = *p == '-';
  if (negative) ++p;
  if (*p < '0' || *p > '9') return default_value;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long number = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    number = number * 10 + (*p - '0');
    if (number > limit) number = limit;
  }
  return static_cast<int>(negative ? -number : number);
}

int IniFile::read_string(const char* section, const char* key, const char* default_value, char* buffer, int size) {
  VANTRY_ASSERT(buffer != NULL && size > 0);
  const IniItem* item = group(section)->find(key, true);
  const char* text = item->my_value != NULL ? item->my_value : default_value;
  const int textLength = item->my_value != NULL ? item->my_length : static_cast<int>(std::strlen(text));
  const int length = textLength < size ? textLength : size - 1;
  std::memcpy(buffer, text, length);
  buffer[length] = '\0';
  return length;
}

std::string IniFile::read_string(const StringKey& key) {
  std::vector<char> buffer(key.size);
  const int length = read_string(key.section, key.key, key.default_value, buffer.data(), key.size);
  return std::string(buffer.data(), length);
}

void IniFile::write_integer(const char* section, const char* key, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  write_string(section, key, text);
}

void IniFile::write_string(const char* section, const char* key, const char* value) {
  VANTRY_ASSERT(value != NULL);
  group(section)->set(key, value);
}

void IniFile::flush(bool all) {
  if (my_noWrite) return;
  std::vector<ProfileWrite> writes;
  std::vector<IniItem*> items;
  for (IniGroup* current = my_first; current != NULL; current = current->my_next) {
    for (IniItem* item = current->my_first; item != NULL; item = item->my_next) {
      if (item->my_value == NULL || !(item->my_dirty || (all && item->my_loaded))) continue;
      writes.push_back({current->my_name, item->my_name, item->my_value});
      items.push_back(item);
    }
  }
  if (writes.empty()) return;
  write_raw_all(writes);
  for (std::size_t i = 0; i < writes.size(); ++i) {
    if (writes[i].written) items[i]->my_dirty = false;
  }
}

void IniFile::write_raw_all(std::span<ProfileWrite> writes) {
  for (ProfileWrite& write : writes) write.written = write_raw(write.section, write.key, write.value);
}

PrivateIniFile::PrivateIniFile(const char* name) {
  VANTRY_ASSERT(name != NULL);
  my_name = string_duplicate(name);
}

PrivateIniFile::~PrivateIniFile() {
  flush(false);
  delete[] my_name;
}

bool PrivateIniFile::write_raw(const char* section, const char* key, const char* value) {
  return write_profile_string(section, key, value, my_name);
}

void PrivateIniFile::write_raw_all(std::span<ProfileWrite> writes) { write_profile_strings(writes, my_name); }

int PrivateIniFile::read_raw(const char* section, const char* key, const char* default_value, char* buffer, int size) {
  return read_profile_string(section, key, default_value, buffer, size, my_name);
}

}  // namespace vantry
