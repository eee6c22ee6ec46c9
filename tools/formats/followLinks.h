// The file a path names once the symbolic links on its end are followed: what sorvane reads and
// replaces when a design or an output is reached through a link, so that the link stays a link.
#pragma once

#include <string>

namespace sorvane {

/// The links a path may pass through before it counts as a loop, as the kernel's own limit.
constexpr int kMaxSymbolicLinks = 40;

/// `path` after every symbolic link on its end (a chain of them, relative ones read from their
/// own folder); `path` itself when it is no link or does not exist. Throws std::system_error:
/// ELOOP past kMaxSymbolicLinks links, or readlink's error.
std::string followLinks(const std::string& path);

}  // namespace sorvane
