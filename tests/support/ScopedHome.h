#pragma once

#include "ScopedVariable.h"
#include "TempFolder.h"

namespace htmlsim::testing {

// Points HOME and XDG_CONFIG_HOME at fresh temporary folders for the object's life, so that
// ~/.ssh/known_hosts and the program's config folder are the test's own.
class ScopedHome {
  public:
    const std::filesystem::path& Home() const { return mHome.Path(); }
    const std::filesystem::path& Config() const { return mConfig.Path(); }
    std::filesystem::path KnownHosts() const { return Home() / ".ssh" / "known_hosts"; }

  private:
    TempFolder mHome;
    TempFolder mConfig;
    ScopedVariable mHomeVariable{"HOME", mHome.Path().c_str()};
    ScopedVariable mConfigVariable{"XDG_CONFIG_HOME", mConfig.Path().c_str()};
};

// Whether any file below the folder holds the text.
inline bool AnyFileHolds(const std::filesystem::path& folder, const std::string& text) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() &&
            ReadFileBytes(entry.path()).find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace htmlsim::testing
