// sorvane's design file on disk: read and checked before the session, so that a design that could
// not be saved is refused before anything is played, and saved after it without ever leaving half
// a design, and without losing the file's mode, owner or the symbolic link it was reached through.
// sorvane's main uses it; the design's text is DesignFile's.
#pragma once

#include <string>

#include "tools/formats/DesignFile.h"
#include "tools/formats/followLinks.h"

namespace sorvane {

/// The links a design file's path may pass through before it counts as a loop.
constexpr int kMaxDesignFileLinks = kMaxSymbolicLinks;

/// The design at `path`, or an empty one when no file is there yet, once it is known that it can
/// be saved there. A symbolic link (or a chain of them, relative ones read from their own folder)
/// is followed to the file it names, which need not exist yet. Throws DesignFileError, whose
/// what() says why with the system's reason where there is one, when: the path passes through more
/// than kMaxDesignFileLinks links; the file cannot be read, is a folder or not a regular file, or
/// is damaged (readDesignFile); its folder does not exist ("cannot be saved: there is no folder
/// F"); or it could not be saved: the user may not write the file, may not make a file in its
/// folder, or, in a sticky folder, owns neither the file nor the folder.
DesignFile loadDesignFile(const std::string& path);

/// Saves `design` to the file `path` names after its links with replaceFile, so that the file
/// holds either the old design or the new one, with the old file's mode and owner. Throws
/// DesignFileError ("cannot be saved: " and replaceFile's reason) when a step fails; the file is
/// then as it was and the new file is removed.
void saveDesignFile(const std::string& path, const DesignFile& design);

}  // namespace sorvane
