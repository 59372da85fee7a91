#pragma once

#include <optional>
#include <string>

#include "recovery/RecoveryFolder.h"
#include "recovery/RecoveryLocks.h"
#include "recovery/RecoverySchedule.h"
#include "util/SecondsClock.h"

namespace htmlsim {

class Session;

// Keeps a recovery copy of the session's document while it differs from its file: written on
// the schedule's deadlines, removed once the document is saved, closed or discarded. A copy
// that cannot be written is reported once and never stops the editing.
class RecoveryKeeper {
  public:
    // The id names this editor's copy; its lock is taken at once.
    RecoveryKeeper(Session& session, RecoveryFolder& folder, RecoveryLocks& locks, std::string id,
                   SecondsClock clock = SteadySeconds);

    const std::string& Id() const { return mId; }

    // Looks at the document after anything the user did.
    void Notice();
    // Writes the copy when its deadline has passed.
    void WriteIfDue();
    // When WriteIfDue should run next; none while no change waits.
    std::optional<double> NextDeadline() const { return mSchedule.NextDeadline(); }
    double Now() const { return mClock(); }

    // The document has been recovered from this copy (whose lock is held): its copy is kept
    // under that id and compared with the file it came from.
    void Adopt(const std::string& id, const RecoveryRecord& record);
    // The window closed with the user's consent: the copy and the lock go.
    void DocumentClosed();

  private:
    RecoveryRecord RecordOf() const;
    void RemoveCopy();

    Session& mSession;
    RecoveryFolder& mFolder;
    RecoveryLocks& mLocks;
    std::string mId;
    SecondsClock mClock;
    RecoverySchedule mSchedule;
    std::string mLastSeen;
    bool mCopyWritten = false;
    bool mFailureShown = false;
    std::optional<FileStamp> mOriginal;
};

}  // namespace htmlsim
