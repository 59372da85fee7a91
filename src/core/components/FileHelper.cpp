#include "components/FileHelper.h"

#include <filesystem>
#include <system_error>

namespace htmlsim {

namespace fs = std::filesystem;

namespace {

std::string WithTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string Absolute(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return (error ? fs::path(path) : absolute).lexically_normal().generic_string();
}

std::string Trim(const std::string& text, const char* characters) {
    const size_t first = text.find_first_not_of(characters);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(characters) - first + 1);
}

}  // namespace

bool FileHelper::FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::exists(path, error) && !fs::is_directory(path, error);
}

bool FileHelper::FolderExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

std::string FileHelper::BrowseForFolder(Dialogs& dialogs, const std::string& title,
                                        const std::string& startFolder) {
    return WithTrailingSlash(dialogs.BrowseForFolder(title, startFolder));
}

std::string FileHelper::RelativePath(const std::string& documentFolder, const std::string& target) {
    const bool targetIsFolder = target.empty() || target.back() == '/';
    const fs::path from = Absolute(WithTrailingSlash(documentFolder));
    const fs::path to = Absolute(ReplaceText(target, "\\", "/"));
    std::string relative = to.lexically_relative(from.parent_path()).generic_string();
    if (relative == "." || relative.empty()) {
        return "./";
    }
    if (relative.back() == '.' && targetIsFolder) {
        relative.pop_back();  // "x/." when the target ended with "/"
    }
    if (!relative.starts_with("../")) {
        relative = "./" + relative;
    }
    return targetIsFolder ? WithTrailingSlash(relative) : relative;
}

std::string FileHelper::ResolveLink(const std::string& baseFolder, const std::string& link) {
    const std::string normalLink = ReplaceText(link, "\\", "/");
    if (normalLink.starts_with('/')) {
        return fs::path(normalLink).lexically_normal().generic_string();
    }
    return (fs::path(WithTrailingSlash(baseFolder)) / normalLink)
        .lexically_normal()
        .generic_string();
}

PathParts FileHelper::SplitPath(const std::string& path) {
    PathParts parts;
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    parts.folder = path.substr(0, nameStart);
    const std::string fileName = path.substr(nameStart);
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        parts.name = fileName;
    } else {
        parts.name = fileName.substr(0, dot);
        parts.extension = fileName.substr(dot + 1);
    }
    return parts;
}

void FileHelper::SplitAt(const std::string& text, const std::string& separator, std::string& before,
                         std::string& after) {
    const size_t at = separator.empty() ? std::string::npos : text.find(separator);
    if (at == std::string::npos) {
        before = text;
        after.clear();
        return;
    }
    before = text.substr(0, at);
    after = text.substr(at + separator.size());
}

std::string FileHelper::ReplaceText(const std::string& text, const std::string& what,
                                    const std::string& byWhat) {
    if (what.empty()) {
        return text;
    }
    std::string result;
    size_t from = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, from)) {
        result.append(text, from, at - from).append(byWhat);
        from = at + what.size();
    }
    return result.append(text, from);
}

std::string FileHelper::CommandLinePath(const std::string& commandLine) {
    const std::string path = Trim(Trim(commandLine, " \t\r\n"), "\"");
    return path.empty() ? std::string() : Absolute(path);
}

}  // namespace htmlsim
