#include "tools/formats/DesignFileStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <system_error>

#include "tools/formats/folderOf.h"
#include "tools/formats/followLinks.h"
#include "tools/formats/replaceFile.h"

namespace sorvane {

namespace {

[[noreturn]] void fail(const std::string& what, int error) {
  throw DesignFileError(what + ": " + std::strerror(error));
}

std::optional<struct stat> statusOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  return info;
}

std::string readAll(const std::string& path) {
  const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) fail("cannot be read", errno);
  std::string text;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t length = read(file, buffer, sizeof buffer);
    if (length == 0) break;
    if (length < 0 && errno == EINTR) continue;
    if (length < 0) {
      const int error = errno;
      close(file);
      fail("cannot be read", error);
    }
    text.append(buffer, static_cast<std::size_t>(length));
  }
  close(file);
  return text;
}

// A save replaces the file by renaming a new one over it: that needs leave to write the file (it
// is the user's design to change) and to make and rename files in its folder.
void checkSavable(const std::string& target, const std::optional<struct stat>& file) {
  if (file && access(target.c_str(), W_OK) != 0) fail("cannot be saved", errno);
  const std::string folder = folderOf(target);
  if (access(folder.c_str(), W_OK | X_OK) != 0) {
    fail("cannot be saved: no file can be made in " + folder, errno);
  }
  // In a sticky folder (/tmp) only the file's or the folder's owner may rename over the file.
  const std::optional<struct stat> place = statusOf(folder);
  const uid_t user = geteuid();
  if (file && place && (place->st_mode & S_ISVTX) && user != 0 && file->st_uid != user &&
      place->st_uid != user) {
    fail("cannot be saved: only its owner may replace it in the sticky folder " + folder, EPERM);
  }
}

}  // namespace

DesignFile loadDesignFile(const std::string& path) {
  std::string target;
  try {
    target = followLinks(path);
  } catch (const std::system_error& error) {
    fail("cannot be read", error.code().value());
  }
  const std::optional<struct stat> file = statusOf(target);
  if (!file) {
    if (errno != ENOENT) fail("cannot be read", errno);
    const std::string folder = folderOf(target);
    const std::optional<struct stat> place = statusOf(folder);
    if (!place || !S_ISDIR(place->st_mode)) {
      throw DesignFileError("cannot be saved: there is no folder " + folder);
    }
    checkSavable(target, std::nullopt);
    return {};
  }
  if (S_ISDIR(file->st_mode)) throw DesignFileError("is a folder, not a file");
  if (!S_ISREG(file->st_mode)) throw DesignFileError("is not a regular file");
  DesignFile design = readDesignFile(readAll(target));
  checkSavable(target, file);
  return design;
}

void saveDesignFile(const std::string& path, const DesignFile& design) {
  try {
    replaceFile(path, writeDesignFile(design));
  } catch (const FileReplaceError& error) {
    throw DesignFileError(std::string("cannot be saved: ") + error.what());
  }
}

}  // namespace sorvane
