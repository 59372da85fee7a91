#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "CliRunner.h"
#include "TempFolder.h"

namespace htmlsim::testing {
namespace {

// One environment variable set for the test's own CLI runs, and put back after.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : mName(name) {
        if (const char* old = std::getenv(name)) {
            mOld = old;
        }
        setenv(name, value, 1);
    }
    ~ScopedVariable() {
        if (mOld) {
            setenv(mName, mOld->c_str(), 1);
        } else {
            unsetenv(mName);
        }
    }

  private:
    const char* mName;
    std::optional<std::string> mOld;
};

TEST(CliRecord, RefusesAWaylandSessionUnlessTheApplicationIsAnX11Client) {
    TempFolder folder;
    const std::string refusal =
        "message: Recording works in an X11 session only: on Wayland the pictures of Wayland "
        "windows come back black. If the application you record is an X11 client, record with "
        "--x11-only.\n";
    const ScopedVariable noDisplay("DISPLAY", "");
    {
        const ScopedVariable wayland("WAYLAND_DISPLAY", "wayland-0");
        const CliResult result = RunCli({"record", "--out", folder.Path().string()});
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(result.err, refusal);
        // With --x11-only it goes on, as far as the (missing) X display.
        const CliResult x11 = RunCli({"record", "--out", folder.Path().string(), "--x11-only"});
        EXPECT_EQ(x11.exitStatus, 1);
        EXPECT_EQ(x11.err,
                  "message: The X display cannot be opened; recording needs an X11 session.\n");
    }
    {
        const ScopedVariable session("XDG_SESSION_TYPE", "wayland");
        EXPECT_EQ(RunCli({"record", "--out", folder.Path().string()}).err, refusal);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
    EXPECT_EQ(RunCli({"record", "--region", "1,2,3"}).exitStatus, 2);
}

}  // namespace
}  // namespace htmlsim::testing
