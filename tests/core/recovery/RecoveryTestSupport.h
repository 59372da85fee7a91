#pragma once

#include <sys/stat.h>

#include <set>
#include <string>

#include "../session/SessionTestSupport.h"
#include "recovery/RecoveryFolder.h"
#include "recovery/RecoveryKeeper.h"
#include "recovery/RecoveryLocks.h"

namespace htmlsim::testing {

// Locks as a set: the test says which ones another running editor holds.
class FakeRecoveryLocks : public RecoveryLocks {
  public:
    std::set<std::string> heldElsewhere;
    std::set<std::string> held;

    bool TryTake(const std::string& id) override {
        return !heldElsewhere.contains(id) && held.insert(id).second;
    }
    void Release(const std::string& id) override { held.erase(id); }
};

inline unsigned ModeOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

// A session with a recovery keeper over a scratch recovery folder and a clock the test moves.
class RecoveryTest : public SessionTest {
  protected:
    std::string Copy(const std::string& id, const char* extension) const {
        return recoveryFolder.Path() + "/" + id + extension;
    }
    bool CopyExists(const std::string& id) const {
        return std::filesystem::exists(Copy(id, ".html"));
    }
    // Typing in the Document Editor as the window reports it: the keeper notices at once.
    void TypeAt(double seconds, const std::string& text) {
        now = seconds;
        Type(text);
        keeper.Notice();
    }
    void WaitUntil(double seconds) {
        now = seconds;
        keeper.WriteIfDue();
    }

    double now = 100.0;
    RecoveryFolder recoveryFolder{folder.File("data/htmlsim/recovery")};
    FakeRecoveryLocks locks;
    RecoveryKeeper keeper{session, recoveryFolder, locks, "mine", [this] { return now; }};
};

}  // namespace htmlsim::testing
