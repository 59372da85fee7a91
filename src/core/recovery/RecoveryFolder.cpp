#include "recovery/RecoveryFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <system_error>

#include "util/RuntimeError.h"
#include "util/WholeFile.h"

namespace htmlsim {

namespace {

constexpr const char* kCopyExtension = ".html";
constexpr const char* kRecordExtension = ".json";
constexpr const char* kLockExtension = ".lock";

std::filesystem::path UserDataFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data != '\0') {
        return data;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".local" / "share";
    }
    return std::filesystem::temp_directory_path();
}

}  // namespace

std::string RecoveryFolder::DefaultPath() {
    return (UserDataFolder() / "htmlsim" / "recovery").string();
}

std::string RecoveryFolder::FileOf(const std::string& id, const char* extension) const {
    return (std::filesystem::path(mPath) / (id + extension)).string();
}

std::string RecoveryFolder::LockPath(const std::string& id) const {
    return FileOf(id, kLockExtension);
}

void RecoveryFolder::Prepare() const {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(mPath).parent_path(), error);
    if (::mkdir(mPath.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
        throw RuntimeError("Cannot make the folder '" + mPath + "': " + std::strerror(errno));
    }
    // Other people's documents must not be readable here, whoever made the folder.
    if (::chmod(mPath.c_str(), S_IRWXU) != 0) {
        throw RuntimeError("Cannot protect the folder '" + mPath + "': " + std::strerror(errno));
    }
}

void RecoveryFolder::Write(const std::string& id, const std::string& text,
                           const RecoveryRecord& record) {
    Prepare();
    WriteWholeFileAtomically(FileOf(id, kCopyExtension), text, FileAccess::OwnerOnly);
    WriteWholeFileAtomically(FileOf(id, kRecordExtension), RecordToJson(record),
                             FileAccess::OwnerOnly);
}

void RecoveryFolder::Remove(const std::string& id) {
    std::error_code error;
    // The record goes first: a copy without one is never offered.
    std::filesystem::remove(FileOf(id, kRecordExtension), error);
    std::filesystem::remove(FileOf(id, kCopyExtension), error);
}

std::vector<std::string> RecoveryFolder::Ids() const {
    std::set<std::string> ids;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(mPath, error)) {
        const auto extension = entry.path().extension();
        if (extension == kRecordExtension || extension == kLockExtension) {
            ids.insert(entry.path().stem().string());
        }
    }
    return {ids.begin(), ids.end()};
}

std::optional<RecoveryRecord> RecoveryFolder::Record(const std::string& id) const {
    try {
        return RecordFromJson(ReadWholeFile(FileOf(id, kRecordExtension)));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string RecoveryFolder::Text(const std::string& id) const {
    return ReadWholeFile(FileOf(id, kCopyExtension));
}

}  // namespace htmlsim
