#include "tools/formats/replaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>

#include "tools/formats/folderOf.h"
#include "tools/formats/followLinks.h"

namespace sorvane {

namespace {

// A new file's permission bits before the umask, as the shell and editors create files.
constexpr mode_t kNewFileMode = 0666;
// The bits a replacement carries over: permissions, set-user-ID, set-group-ID and sticky.
constexpr mode_t kModeBits = 07777;

[[noreturn]] void fail(int error) { throw FileReplaceError(std::strerror(error)); }

[[noreturn]] void failToMake(const std::string& folder, int error) {
  throw FileReplaceError("no file can be made in " + folder + ": " + std::strerror(error));
}

std::optional<struct stat> statusOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  return info;
}

void writeAll(int file, const std::string& text) {
  for (std::size_t written = 0; written < text.size();) {
    const ssize_t length = write(file, text.data() + written, text.size() - written);
    if (length < 0 && errno == EINTR) continue;
    if (length < 0) fail(errno);
    written += static_cast<std::size_t>(length);
  }
}

// The file written before it is renamed over the target: closed and removed unless the rename
// took it.
class NewFile {
 public:
  explicit NewFile(const std::string& target)
      : path_(folderOf(target) + "/." + target.substr(target.rfind('/') + 1) + ".XXXXXX") {
    descriptor_ = mkostemp(path_.data(), O_CLOEXEC);
    if (descriptor_ < 0) failToMake(folderOf(target), errno);
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
    if (close(descriptor) != 0) fail(errno);
    if (rename(path_.c_str(), target.c_str()) != 0) fail(errno);
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
    if (fchmod(file, kNewFileMode & ~mask) != 0) fail(errno);
    return;
  }
  if (fchown(file, old->st_uid, old->st_gid) != 0 &&
      fchown(file, static_cast<uid_t>(-1), old->st_gid) != 0) {
    // Neither: the new file stays the user's, in the user's group.
  }
  if (fchmod(file, old->st_mode & kModeBits) != 0) fail(errno);
}

}  // namespace

void replaceFile(const std::string& path, const std::string& text) {
  std::string target;
  try {
    target = followLinks(path);
  } catch (const std::system_error& error) {
    fail(error.code().value());
  }
  const std::optional<struct stat> old = statusOf(target);
  // A rename would put a regular file in the place of a folder, a device or a pipe.
  if (old && S_ISDIR(old->st_mode)) fail(EISDIR);
  if (old && !S_ISREG(old->st_mode)) throw FileReplaceError("not a regular file");
  NewFile file(target);
  takeOver(file.descriptor(), old);
  writeAll(file.descriptor(), text);
  // On the disk before the rename, so that a crash leaves the old text or the whole new one.
  if (fsync(file.descriptor()) != 0) fail(errno);
  file.closeAndRename(target);
  // The rename itself reaches the disk with the folder; a folder that cannot be synced loses
  // nothing that the replacement promised.
  const int folder = open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    fsync(folder);
    close(folder);
  }
}

}  // namespace sorvane
