#include "ScopedHome.h"

#include <cstdlib>

namespace htmlsim::testing {

namespace {

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void Restore(const char* name, const std::optional<std::string>& value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

}  // namespace

ScopedHome::ScopedHome()
    : mOldHome(Environment("HOME")), mOldConfig(Environment("XDG_CONFIG_HOME")) {
    setenv("HOME", Home().c_str(), 1);
    setenv("XDG_CONFIG_HOME", Config().c_str(), 1);
}

ScopedHome::~ScopedHome() {
    Restore("HOME", mOldHome);
    Restore("XDG_CONFIG_HOME", mOldConfig);
}

bool AnyFileHolds(const std::filesystem::path& folder, const std::string& text) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() &&
            ReadFileBytes(entry.path()).find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace htmlsim::testing
