#include "tools/DesignFileStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>

namespace sorvane {

namespace {

// A new file's permission bits before the umask, as the shell and editors create files.
constexpr mode_t kNewFileMode = 0666;
// The bits a save carries over: permissions, set-user-ID, set-group-ID and sticky.
constexpr mode_t kModeBits = 07777;

[[noreturn]] void fail(const std::string& what, int error) {
  throw DesignFileError(what + ": " + std::strerror(error));
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a save replaces: the path after every symbolic link on its end.
std::string followLinks(const std::string& path) {
  std::string target = path;
  for (int links = 0;; ++links) {
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
    if (links == kMaxDesignFileLinks) fail("cannot be read", ELOOP);
    std::string next(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : PATH_MAX), '\0');
    const ssize_t length = readlink(target.c_str(), next.data(), next.size());
    if (length < 0) fail("cannot be read", errno);
    next.resize(static_cast<std::size_t>(length));
    target = !next.empty() && next.front() == '/' ? next : folderOf(target) + "/" + next;
  }
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

void writeAll(int file, const std::string& text) {
  for (std::size_t written = 0; written < text.size();) {
    const ssize_t length = write(file, text.data() + written, text.size() - written);
    if (length < 0 && errno == EINTR) continue;
    if (length < 0) fail("cannot be saved", errno);
    written += static_cast<std::size_t>(length);
  }
}

// The file a save writes before it renames it over the design: closed and removed unless the
// rename took it.
class NewFile {
 public:
  explicit NewFile(const std::string& target)
      : path_(folderOf(target) + "/." + target.substr(target.rfind('/') + 1) + ".XXXXXX") {
    descriptor_ = mkostemp(path_.data(), O_CLOEXEC);
    if (descriptor_ < 0) fail("cannot be saved: no file can be made in " + folderOf(target), errno);
  }
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;
  ~NewFile() {
    if (descriptor_ >= 0) close(descriptor_);
    if (!renamed_) unlink(path_.c_str());
  }

  int descriptor() const { return descriptor_; }

  void closeAndRename(const std::string& target) {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (close(descriptor) != 0) fail("cannot be saved", errno);
    if (rename(path_.c_str(), target.c_str()) != 0) fail("cannot be saved", errno);
    renamed_ = true;
  }

 private:
  std::string path_;
  int descriptor_ = -1;
  bool renamed_ = false;
};

// The owner first: changing it clears the set-user-ID and set-group-ID bits, which the mode then
// restores. A user who may not give the file its owner (or group) leaves it theirs.
void takeOver(int file, const std::optional<struct stat>& old) {
  if (!old) {
    const mode_t mask = umask(0);
    umask(mask);
    if (fchmod(file, kNewFileMode & ~mask) != 0) fail("cannot be saved", errno);
    return;
  }
  if (fchown(file, old->st_uid, old->st_gid) != 0 &&
      fchown(file, static_cast<uid_t>(-1), old->st_gid) != 0) {
    // Neither: the new file stays the user's, in the user's group.
  }
  if (fchmod(file, old->st_mode & kModeBits) != 0) fail("cannot be saved", errno);
}

}  // namespace

DesignFile loadDesignFile(const std::string& path) {
  const std::string target = followLinks(path);
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
  const std::string target = followLinks(path);
  const std::string text = writeDesignFile(design);
  const std::optional<struct stat> old = statusOf(target);
  NewFile file(target);
  takeOver(file.descriptor(), old);
  writeAll(file.descriptor(), text);
  // On the disk before the rename, so that a crash leaves the old design or the whole new one.
  if (fsync(file.descriptor()) != 0) fail("cannot be saved", errno);
  file.closeAndRename(target);
  // The rename itself reaches the disk with the folder; a folder that cannot be synced loses
  // nothing that the save promised.
  const int folder = open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    fsync(folder);
    close(folder);
  }
}

}  // namespace sorvane
