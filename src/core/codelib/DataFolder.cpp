#include "codelib/DataFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace htmlsim {

namespace {

std::filesystem::path FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::filesystem::path(value) : std::filesystem::path();
}

}  // namespace

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : executable.parent_path();
}

std::filesystem::path ResolveDataFolder(const std::filesystem::path& programFolder) {
    if (auto chosen = FromEnvironment("HTMLSIM_DATA_DIR"); !chosen.empty()) {
        return chosen;
    }
    if (!programFolder.empty() && ::access(programFolder.c_str(), W_OK) == 0) {
        return programFolder;
    }
    auto dataHome = FromEnvironment("XDG_DATA_HOME");
    if (dataHome.empty() || dataHome.is_relative()) {
        dataHome = FromEnvironment("HOME") / ".local" / "share";
    }
    return dataHome / "htmlsim" / "Data";
}

}  // namespace htmlsim
