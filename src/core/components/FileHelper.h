#pragma once

#include <string>

#include "services/Dialogs.h"
#include "util/PathParts.h"

namespace htmlsim {

// File and folder services over local paths. Paths use "/"; relative references read from a
// page may use "\" as well.
class FileHelper {
  public:
    static bool FileExists(const std::string& path);
    static bool FolderExists(const std::string& path);

    // The folder the user chooses, ending with "/"; "" when cancelled.
    static std::string BrowseForFolder(Dialogs& dialogs, const std::string& title,
                                       const std::string& startFolder);

    // The reference from a document folder to a target: a folder (ending with "/") gives a
    // folder reference, anything else a file reference. It starts with "./" when the target
    // lies inside the document folder ("./" alone for the folder itself), else with "../".
    static std::string RelativePath(const std::string& documentFolder, const std::string& target);

    // The full path a relative link names, seen from the base folder.
    static std::string ResolveLink(const std::string& baseFolder, const std::string& link);

    // "/a/b/page.html" -> "/a/b/", "page", "html"; a leading dot starts a hidden file's name, not
    // an extension, and names keep their blanks.
    static PathParts SplitPath(const std::string& path);

    // The text before and after the first separator; without one, all of it comes before.
    static void SplitAt(const std::string& text, const std::string& separator, std::string& before,
                        std::string& after);

    // Every occurrence of what replaced by byWhat.
    static std::string ReplaceText(const std::string& text, const std::string& what,
                                   const std::string& byWhat);

    // The path a command line names: blanks and enclosing quotes removed, made absolute.
    static std::string CommandLinePath(const std::string& commandLine);
};

}  // namespace htmlsim
