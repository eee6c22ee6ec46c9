// The folder a file's path lies in, as the file system reads the path. The design file and the
// files sorvane replaces are checked and written in it.
#pragma once

#include <string>

namespace sorvane {

/// The folder of `path`: everything before its last '/', "/" for a file of the root and "." for
/// a bare name.
std::string folderOf(const std::string& path);

}  // namespace sorvane
