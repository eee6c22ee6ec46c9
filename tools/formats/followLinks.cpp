#include "tools/formats/followLinks.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <system_error>

#include "tools/formats/folderOf.h"

namespace sorvane {

std::string followLinks(const std::string& path) {
  std::string target = path;
  for (int links = 0;; ++links) {
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
    if (links == kMaxSymbolicLinks) throw std::system_error(ELOOP, std::generic_category());
    std::string next(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : PATH_MAX), '\0');
    const ssize_t length = readlink(target.c_str(), next.data(), next.size());
    if (length < 0) throw std::system_error(errno, std::generic_category());
    next.resize(static_cast<std::size_t>(length));
    target = !next.empty() && next.front() == '/' ? next : folderOf(target) + "/" + next;
  }
}

}  // namespace sorvane
