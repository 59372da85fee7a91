#pragma once

#include <QLockFile>
#include <map>
#include <memory>
#include <string>

#include "recovery/RecoveryFolder.h"
#include "recovery/RecoveryLocks.h"

namespace htmlsim::gui {

// The copies' locks as lock files holding this process's id: a lock whose process is gone is
// stale and taken over.
class QtRecoveryLocks : public RecoveryLocks {
  public:
    explicit QtRecoveryLocks(const RecoveryFolder& folder) : mFolder(folder) {}

    bool TryTake(const std::string& id) override;
    void Release(const std::string& id) override;

  private:
    const RecoveryFolder& mFolder;
    std::map<std::string, std::unique_ptr<QLockFile>> mHeld;
};

}  // namespace htmlsim::gui
