#include "game/disk_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace vantry {

namespace fs = std::filesystem;

namespace {

std::string system_text(int error_number) {
  return std::generic_category().message(error_number);
}

}  // namespace

DiskRead read_disk_file(const std::string& path, std::size_t maxBytes, std::string& contents,
                        std::string& error) {
  contents.clear();
  // Step 1. Only a regular file is opened: opening a named pipe would wait
  // for a writer forever, and a device may never end.
  std::error_code code;
  const fs::file_status status = fs::status(path, code);
  if (status.type() == fs::file_type::not_found) {
    error = system_text(ENOENT);
    return DiskRead::Failed;
  }
  if (code) {
    error = code.message();
    return DiskRead::Failed;
  }
  if (fs::is_directory(status)) {
    error = system_text(EISDIR);
    return DiskRead::Failed;
  }
  if (!fs::is_regular_file(status)) {
    error = "Not a regular file";
    return DiskRead::Failed;
  }

  // Step 2. Open and read at most one byte more than the limit, which tells
  // a file at the limit from a longer one (it may grow while it is read).
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = system_text(errno != 0 ? errno : EACCES);
    return DiskRead::Failed;
  }
  contents.resize(maxBytes + 1);
  in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
  if (in.bad()) {
    error = system_text(errno != 0 ? errno : EIO);
    contents.clear();
    return DiskRead::Failed;
  }
  contents.resize(static_cast<std::size_t>(in.gcount()));
  if (contents.size() > maxBytes) {
    contents.resize(maxBytes);
    return DiskRead::TooLarge;
  }
  return DiskRead::Ok;
}

bool replace_disk_file(const std::string& path, const std::string& contents, std::string& error) {
  // Step 1. The file that is really replaced: a symbolic link keeps pointing
  // at its target, which receives the new contents.
  std::error_code code;
  fs::path target = path;
  if (fs::is_symlink(fs::symlink_status(target, code))) {
    const fs::path resolved = fs::weakly_canonical(target, code);
    if (!code) target = resolved;
  }
  if (fs::is_directory(fs::status(target, code))) {
    error = system_text(EISDIR);
    return false;
  }

  // Step 2. A temporary name in the same folder, so the rename below stays on
  // one file system and is atomic.
  std::random_device entropy;
  std::mt19937_64 random(entropy());
  std::string temporary_name = ".";
  temporary_name += target.filename().string();
  temporary_name += '.';
  temporary_name += std::to_string(random() % 1000000000);
  temporary_name += ".tmp";
  const fs::path temporary = target.parent_path() / temporary_name;

  // Step 3. Write and close; a full disk shows up at the write or the close.
  errno = 0;
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) {
    error = system_text(errno != 0 ? errno : EACCES);
    return false;
  }
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  out.close();
  if (!out) {
    error = system_text(errno != 0 ? errno : EIO);
    fs::remove(temporary, code);
    return false;
  }

  // Step 4. The new file takes the old one's permissions, then its place.
  const fs::file_status old_status = fs::status(target, code);
  if (!code && fs::exists(old_status)) {
    fs::permissions(temporary, old_status.permissions(), code);
  }
  fs::rename(temporary, target, code);
  if (code) {
    error = code.message();
    fs::remove(temporary, code);
    return false;
  }
  return true;
}

}  // namespace vantry
