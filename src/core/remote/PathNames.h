#pragma once

#include <string>
#include <string_view>

#include "util/PathParts.h"

namespace htmlsim {

class Dialogs;

using FTPPathParts = PathParts;

// Splits a "/"-separated remote path (see SplitPathAt).
FTPPathParts SplitFTPPath(std::string_view full);

// The path up to and including its last separator ("" when there is none). Local paths are
// separated by backslashes on the original platform and by "/" here, so both count.
std::string FolderOf(std::string_view path);

// The text after the last "." ("" when there is none).
std::string GetExtension(std::string_view text);

// The full remote path that `relativePath` names when read from the document at `basePath`
// (a file or a folder ending with "/"). Backslashes count as "/". Returns "" for a blank
// relative path, and "" after telling the user when ".." climbs above the base's root.
std::string priInterpretFTPRelativePathName(std::string_view basePath,
                                            std::string_view relativePath, Dialogs& dialogs);

// The reference from the folder of the file `basePath` to the file `targetPath`, beginning
// with "./" or with one "../" per folder to climb; folders compare without regard to case.
// "" when either path is empty.
std::string FTPCreateRelativePathName(std::string_view basePath, std::string_view targetPath);

}  // namespace htmlsim
