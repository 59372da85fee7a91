#include "recovery/RecoveryKeeper.h"

#include <ctime>

#include "recovery/RemoteAddress.h"
#include "session/Session.h"
#include "text/TextEncoding.h"

namespace htmlsim {

RecoveryKeeper::RecoveryKeeper(Session& session, RecoveryFolder& folder, RecoveryLocks& locks,
                               std::string id, SecondsClock clock)
    : mSession(session),
      mFolder(folder),
      mLocks(locks),
      mId(std::move(id)),
      mClock(std::move(clock)) {
    mLocks.TryTake(mId);
}

void RecoveryKeeper::Notice() {
    std::string text = mSession.TextWithPendingEdit();
    if (text == mSession.SavedText()) {
        mSchedule.Settled();
        RemoveCopy();
        // The file as it was opened or saved: a later change of it is reported on recovery.
        mOriginal = mSession.DocumentSource() == kLocalDocument
                        ? StampOfFile(mSession.PathAndName())
                        : std::nullopt;
        mLastSeen = std::move(text);
        return;
    }
    if (text != mLastSeen) {
        mLastSeen = std::move(text);
        mSchedule.Changed(mClock());
    }
}

void RecoveryKeeper::WriteIfDue() {
    if (!mSchedule.Due(mClock())) {
        return;
    }
    mSchedule.Settled();
    std::string text = mSession.TextWithPendingEdit();
    if (text == mSession.SavedText()) {
        RemoveCopy();
        return;
    }
    try {
        mFolder.Write(mId, text, RecordOf());
        mCopyWritten = true;
        mFailureShown = false;
    } catch (const std::exception& failure) {
        // Once until a copy is written again: the editing goes on either way.
        if (!mFailureShown) {
            mFailureShown = true;
            mSession.GetDialogs().Message(
                std::string("Your changes could not be kept for recovery after a crash: ") +
                    failure.what(),
                "", MessageIcon::Exclamation);
        }
    }
    mLastSeen = std::move(text);
}

void RecoveryKeeper::Adopt(const std::string& id, const RecoveryRecord& record) {
    if (id != mId) {
        RemoveCopy();
        mLocks.Release(mId);
        mId = id;
    }
    mCopyWritten = true;
    mOriginal = record.original;
    mSchedule.Settled();
    mLastSeen = mSession.TextWithPendingEdit();
}

void RecoveryKeeper::DocumentClosed() {
    mSchedule.Settled();
    RemoveCopy();
    mLocks.Release(mId);
}

RecoveryRecord RecoveryKeeper::RecordOf() const {
    RecoveryRecord record;
    record.remote = mSession.DocumentSource() == kFtpDocument;
    record.path = mSession.PathAndName();
    if (record.remote && mSession.FTP() != nullptr) {
        record.server = AddressWithoutPassword(mSession.FTP()->File().ServerAddress);
    }
    record.encoding = EncodingName(mSession.Codec().Encoding());
    record.savedAtSeconds = std::time(nullptr);
    record.original = mOriginal;
    return record;
}

void RecoveryKeeper::RemoveCopy() {
    if (mCopyWritten) {
        mFolder.Remove(mId);
        mCopyWritten = false;
    }
}

}  // namespace htmlsim
