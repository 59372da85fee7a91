#include "QtRecoveryLocks.h"

#include <QDir>

namespace htmlsim::gui {

bool QtRecoveryLocks::TryTake(const std::string& id) {
    if (mHeld.contains(id)) {
        return false;
    }
    // The folder may not exist before the first copy is written.
    QDir().mkpath(QString::fromStdString(mFolder.Path()));
    QFile::setPermissions(QString::fromStdString(mFolder.Path()),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(mFolder.LockPath(id)));
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
