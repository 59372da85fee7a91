#pragma once

#include <optional>
#include <string>
#include <vector>

#include "recovery/LineDifference.h"
#include "recovery/RecoveryFolder.h"
#include "recovery/RecoveryLocks.h"

namespace htmlsim {

class RecoveryKeeper;
class Session;

// A copy left by an editor that ended without saving, compared with its file as it is now.
struct RecoverableCopy {
    std::string id;
    RecoveryRecord record;
    std::string text;
    // The file as it is now; none for a document never saved, a remote one or a missing file.
    std::optional<std::string> original;
    LineChanges changes;
    // The file is not the one the copy was made from any more (changed or gone).
    bool originalChanged = false;
};

// The copies whose lock no running editor holds. Their locks are taken, so another editor
// starting meanwhile does not offer them too; each must then be opened, deleted or put off.
// Locks left without a copy are cleared away.
std::vector<RecoverableCopy> TakeRecoverableCopies(RecoveryFolder& folder, RecoveryLocks& locks);

// Makes the copy the session's document (connecting first for a remote one) and the keeper's
// copy. False when it could not be opened (the copy stays, its lock given up).
bool OpenRecoverableCopy(const RecoverableCopy& copy, Session& session, RecoveryKeeper& keeper,
                         RecoveryLocks& locks);
// Removes the copy for good.
void DeleteRecoverableCopy(const RecoverableCopy& copy, RecoveryFolder& folder,
                           RecoveryLocks& locks);
// Keeps the copy for the next start.
void PutOffRecoverableCopy(const RecoverableCopy& copy, RecoveryLocks& locks);

}  // namespace htmlsim
