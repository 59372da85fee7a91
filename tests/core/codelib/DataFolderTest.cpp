#include "codelib/DataFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "TempFolder.h"

namespace htmlsim {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : mName(name) {
        if (const char* old = std::getenv(name)) {
            mOld = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnvironment() { mOld ? setenv(mName, mOld->c_str(), 1) : unsetenv(mName); }

  private:
    const char* mName;
    std::optional<std::string> mOld;
};

TEST(DataFolder, OverrideThenWritableProgramFolderThenUserDataFolder) {
    testing::TempFolder program;
    {
        ScopedEnvironment chosen("HTMLSIM_DATA_DIR", "/chosen/data");
        EXPECT_EQ(ResolveDataFolder(program.Path()), "/chosen/data");
    }
    ScopedEnvironment noOverride("HTMLSIM_DATA_DIR", nullptr);
    EXPECT_EQ(ResolveDataFolder(program.Path()), program.Path());

    const std::filesystem::path readOnly = "/proc/self";  // never writable as a folder
    {
        ScopedEnvironment dataHome("XDG_DATA_HOME", "/home/u/data");
        EXPECT_EQ(ResolveDataFolder(readOnly), "/home/u/data/htmlsim/Data");
    }
    ScopedEnvironment noDataHome("XDG_DATA_HOME", nullptr);
    ScopedEnvironment home("HOME", "/home/u");
    EXPECT_EQ(ResolveDataFolder(readOnly), "/home/u/.local/share/htmlsim/Data");
}

}  // namespace
}  // namespace htmlsim
