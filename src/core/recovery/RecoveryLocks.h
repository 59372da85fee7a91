#pragma once

#include <string>

namespace htmlsim {

// The locks by which running editors claim recovery copies: one per open document, so a copy
// whose lock nobody holds belongs to an editor that ended without removing it.
class RecoveryLocks {
  public:
    virtual ~RecoveryLocks() = default;

    // Takes the copy's lock, taking over one left by a process that no longer runs. False
    // while a running editor holds it.
    virtual bool TryTake(const std::string& id) = 0;
    // Gives the lock up (its file goes with it).
    virtual void Release(const std::string& id) = 0;
};

}  // namespace htmlsim
