#include "remote/PathNames.h"

#include <algorithm>
#include <vector>

#include "services/Dialogs.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

std::string_view WithoutTrailingSlash(std::string_view folder) {
    if (!folder.empty() && folder.back() == '/') {
        folder.remove_suffix(1);
    }
    return folder;
}

// The pieces between slashes, empty ones included ("/a/b" -> "", "a", "b").
std::vector<std::string> SplitAtSlashes(std::string_view text) {
    std::vector<std::string> pieces;
    size_t start = 0;
    while (true) {
        const size_t slash = text.find('/', start);
        pieces.emplace_back(text.substr(start, slash - start));
        if (slash == std::string_view::npos) {
            return pieces;
        }
        start = slash + 1;
    }
}

bool HasParentStep(std::string_view folder) {
    for (const std::string& piece : SplitAtSlashes(folder)) {
        if (piece == "..") {
            return true;
        }
    }
    return false;
}

// Walks `relative` from `base`: "." stays, ".." climbs one folder, anything else descends.
// Returns false when ".." would climb above the base's first folder.
bool ResolveSteps(std::string_view base, std::string_view relative, std::string& folder) {
    std::vector<std::string> kept;
    if (!base.empty()) {
        kept = SplitAtSlashes(base);
        if (kept.size() > 1 && kept.back().empty()) {
            kept.pop_back();
        }
    }
    for (const std::string& step : SplitAtSlashes(relative)) {
        if (step.empty() || step == ".") {
            continue;
        }
        if (step == "..") {
            if (kept.size() <= 1) {
                return false;
            }
            kept.pop_back();
        } else {
            kept.push_back(step);
        }
    }
    folder.clear();
    for (size_t i = 0; i < kept.size(); ++i) {
        folder += kept[i];
        if (i + 1 < kept.size()) {
            folder += '/';
        }
    }
    return true;
}

// A folder's parts, each beginning with its "/" except a first part without one.
std::vector<std::string_view> FolderParts(std::string_view folder) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start < folder.size()) {
        size_t next = folder.find('/', start + 1);
        if (next == std::string_view::npos) {
            next = folder.size();
        }
        parts.push_back(folder.substr(start, next - start));
        start = next;
    }
    return parts;
}

std::string JoinedName(const FTPPathParts& parts) {
    return parts.extension.empty() ? parts.name : parts.name + "." + parts.extension;
}

}  // namespace

FTPPathParts SplitFTPPath(std::string_view full) {
    return SplitPathAt(full, '/');
}

std::string FolderOf(std::string_view path) {
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? "" : std::string(path.substr(0, separator + 1));
}

std::string GetExtension(std::string_view text) {
    const size_t dot = text.rfind('.');
    return dot == std::string_view::npos ? "" : std::string(text.substr(dot + 1));
}

std::string priInterpretFTPRelativePathName(std::string_view basePath,
                                            std::string_view relativePath, Dialogs& dialogs) {
    std::string relative(relativePath);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    if (TrimBlanks(relative).empty()) {
        return "";
    }
    const std::string base = std::string(TrimBlanks(SplitFTPPath(basePath).folder));
    const FTPPathParts target = SplitFTPPath(relative);
    const std::string relativeFolder = std::string(TrimBlanks(target.folder));

    std::string folder;
    if (relativeFolder.starts_with("./") || HasParentStep(relativeFolder)) {
        if (!ResolveSteps(base, relativeFolder, folder)) {
            dialogs.Message("Relative Path Can't be applied to this base path.\r\nRelative Path: " +
                                relative + "\r\nBase Path: " + base,
                            "", MessageIcon::Critical);
            return "";
        }
    } else if (EqualsIgnoreCase(relativeFolder, base)) {
        folder = relativeFolder;
    } else {
        folder = base + relativeFolder;
    }
    if (!folder.ends_with('/')) {
        folder += '/';
    }
    return folder + JoinedName(target);
}

std::string FTPCreateRelativePathName(std::string_view basePath, std::string_view targetPath) {
    if (basePath.empty() || targetPath.empty()) {
        return "";
    }
    const FTPPathParts base = SplitFTPPath(basePath);
    const FTPPathParts target = SplitFTPPath(targetPath);
    const std::vector<std::string_view> baseParts = FolderParts(WithoutTrailingSlash(base.folder));
    const std::vector<std::string_view> targetParts =
        FolderParts(WithoutTrailingSlash(target.folder));

    size_t common = 0;
    while (common < baseParts.size() && common < targetParts.size() &&
           EqualsIgnoreCase(baseParts[common], targetParts[common])) {
        ++common;
    }

    std::string result;
    if (common == baseParts.size()) {
        result = "./";
    } else {
        for (size_t i = common; i < baseParts.size(); ++i) {
            result += "../";
        }
    }
    for (size_t i = common; i < targetParts.size(); ++i) {
        std::string_view part = targetParts[i];
        if (part.starts_with('/')) {
            part.remove_prefix(1);
        }
        result += part;
        result += '/';
    }
    return result + JoinedName(target);
}

}  // namespace htmlsim
