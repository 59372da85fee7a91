#include "QtRecoveryLocks.h"
#include "QtText.h"

namespace htmlsim::gui {

bool QtRecoveryLocks::TryTake(const std::string& id) {
    if (mHeld.contains(id)) {
        return false;
    }
    try {
        mFolder.Prepare();  // a lock may come before the first copy
    } catch (const std::exception&) {
        return false;
    }
    auto lock = std::make_unique<QLockFile>(ToQPath(mFolder.LockPath(id)));
    if (!lock->tryLock(0)) {
        return false;
    }
    mHeld.emplace(id, std::move(lock));
    return true;
}

void QtRecoveryLocks::Release(const std::string& id) {
    mHeld.erase(id);  // unlocks and removes the file
}

}  // namespace htmlsim::gui
