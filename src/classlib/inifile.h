// The settings cache: sections and keys read from the settings file the first
// time they are asked for and kept in memory for the run. Writes change only
// the cache and mark the key dirty; dirty keys reach the file when the cache
// is flushed. Absent keys are remembered too, so the file is asked once.
#pragma once

#include <span>
#include <string>

#include "classlib/profile.h"
#include "classlib/settings_keys.h"

namespace vantry {

class IniFile;

// One key of a section. The value is an owned copy, or none for a key that the
// file does not hold and the program has not set.
class IniItem {
 public:
  IniItem(const char* name, const char* value, bool loaded, bool dirty, IniItem* next);
  ~IniItem();
  IniItem(const IniItem&) = delete;
  IniItem& operator=(const IniItem&) = delete;

  // Replaces the value; a change (compared with regard to case) makes the key dirty.
  void set_value(const char* value);

 private:
  friend class IniFile;
  friend class IniGroup;
  char* my_name;
  char* my_value;
  int my_length;
  bool my_loaded;  // the value has been read or set
  bool my_dirty;   // changed since the last flush
  IniItem* my_next;
};

// One section with its keys, newest first.
class IniGroup {
 public:
  IniGroup(IniFile& file, const char* name, IniGroup* next);
  ~IniGroup();
  IniGroup(const IniGroup&) = delete;
  IniGroup& operator=(const IniGroup&) = delete;

  // The cached key, compared without regard to case. When it is not cached
  // and load is set, the file is asked and the answer (a value or "absent")
  // cached; otherwise the result is null.
  IniItem* find(const char* key, bool load);
  void set(const char* key, const char* value);

 private:
  friend class IniFile;
  IniFile& my_file;
  char* my_name;
  IniItem* my_first;
  IniGroup* my_next;
};

class IniFile {
 public:
  IniFile() = default;
  virtual ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  // The leading decimal number of the value ("12abc" is 12, "-7" is -7,
  // beyond the 32-bit range the nearest end of it); the default when the key
  // is absent or its value does not begin with a digit or "-" and a digit.
  int read_integer(const char* section, const char* key, int default_value);
  // Copies the value (the default when the key is absent) into buffer, cut to
  // size - 1 characters; returns the length copied.
  int read_string(const char* section, const char* key, const char* default_value, char* buffer, int size);
  void write_integer(const char* section, const char* key, int value);
  void write_string(const char* section, const char* key, const char* value);

  // The same through the key table.
  int read_integer(const IntegerKey& key) { return read_integer(key.section, key.key, key.default_value); }
  void write_integer(const IntegerKey& key, int value) { write_integer(key.section, key.key, value); }
  std::string read_string(const StringKey& key);
  void write_string(const StringKey& key, const char* value) { write_string(key.section, key.key, value); }

  // Writes every dirty key (every loaded key when all is set) to the file,
  // all in one write, and marks it clean. A key whose write fails stays dirty
  // for the next flush. Nothing is written while writing is disabled.
  void flush(bool all);
  void set_no_write(bool noWrite) { my_noWrite = noWrite; }
  bool no_write() const { return my_noWrite; }

 protected:
  // The file underneath. read_raw copies the value, or default_value when the
  // key is absent, cut to size - 1 characters, and returns the length copied;
  // write_raw returns whether the value reached the file.
  virtual bool write_raw(const char* section, const char* key, const char* value) = 0;
  virtual int read_raw(const char* section, const char* key, const char* default_value, char* buffer, int size) = 0;
  // Several keys at once, setting written for each one that reached the
  // file. The file underneath may take them in one go; by default they go
  // one by one through write_raw.
  virtual void write_raw_all(std::span<ProfileWrite> writes);
  // A subclass that should flush at the end flushes in its own destructor,
  // while its write_raw still exists.

 private:
  friend class IniGroup;
  // The cached section, compared without regard to case; created empty at
  // the head of the list when missing.
  IniGroup* group(const char* section);

  IniGroup* my_first = nullptr;
  bool my_noWrite = false;
};

// The cache over a named settings file.
class PrivateIniFile : public IniFile {
 public:
  explicit PrivateIniFile(const char* name);
  // Flushes the dirty keys.
  ~PrivateIniFile() override;

  const char* name() const { return my_name; }

 protected:
  bool write_raw(const char* section, const char* key, const char* value) override;
  int read_raw(const char* section, const char* key, const char* default_value, char* buffer, int size) override;
  // One rewrite of the file for the whole flush, merged under a lock with
  // what other programs wrote to it meanwhile.
  void write_raw_all(std::span<ProfileWrite> writes) override;

 private:
  char* my_name;
};

// The program's settings file, in the working folder.
inline constexpr const char kSettingsFileName[] = "./Vantry.ini";

}  // namespace vantry
