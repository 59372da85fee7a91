#include "session/TemporaryFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace htmlsim {

namespace {

bool MakeWritableFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error) && ::access(folder.c_str(), W_OK) == 0;
}

std::filesystem::path UserCacheFolder() {
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && *cache != '\0') {
        return cache;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".cache";
    }
    return std::filesystem::temp_directory_path();
}

}  // namespace

std::string PrepareTemporaryFolder(const std::string& programFolder) {
    const auto besideProgram = std::filesystem::path(programFolder) / "Temp";
    if (!programFolder.empty() && MakeWritableFolder(besideProgram)) {
        return besideProgram.lexically_normal().generic_string();
    }
    const auto inCache = UserCacheFolder() / "htmlsim" / "Temp";
    MakeWritableFolder(inCache);
    return inCache.lexically_normal().generic_string();
}

}  // namespace htmlsim
