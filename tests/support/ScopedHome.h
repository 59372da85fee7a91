#pragma once

#include <optional>
#include <string>

#include "TempFolder.h"

namespace htmlsim::testing {

// Points HOME and XDG_CONFIG_HOME at fresh temporary folders for the object's life, so that
// ~/.ssh/known_hosts and the program's config folder are the test's own.
class ScopedHome {
  public:
    ScopedHome();
    ~ScopedHome();
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

    const std::filesystem::path& Home() const { return mHome.Path(); }
    const std::filesystem::path& Config() const { return mConfig.Path(); }
    std::filesystem::path KnownHosts() const { return Home() / ".ssh" / "known_hosts"; }

  private:
    TempFolder mHome;
    TempFolder mConfig;
    std::optional<std::string> mOldHome;
    std::optional<std::string> mOldConfig;
};

// Whether any file below the folder holds the text.
bool AnyFileHolds(const std::filesystem::path& folder, const std::string& text);

}  // namespace htmlsim::testing
