// Replaces a file's contents as a whole: the new text goes to a new file in the same folder, which
// reaches the disk before it is renamed over the file, so that the file holds either the old text
// or the new one, never a part. sorvane saves its design file and writes its STEP file so.
#pragma once

#include <stdexcept>
#include <string>

namespace sorvane {

/// Why a file could not be replaced. what() is the system's reason, after the folder where no
/// file could be made when that was the step that failed: "Permission denied", "no file can be
/// made in out: No such file or directory".
class FileReplaceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Makes the file `path` names after its links (followLinks) hold `text`: writes it to a new file
/// in that file's folder, flushes it to the disk and renames it over the file. The new file takes
/// the old one's permission bits and, as far as the user may give them, its owner and group; a
/// file that did not exist gets 0666 less the umask. Throws FileReplaceError, leaving the file
/// as it was, when `path` names a folder ("Is a directory") or something else that is not a
/// regular file ("not a regular file", a device or a pipe), or when a step fails (the new file is
/// then removed).
void replaceFile(const std::string& path, const std::string& text);

}  // namespace sorvane
