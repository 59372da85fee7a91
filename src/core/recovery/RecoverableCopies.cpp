#include "recovery/RecoverableCopies.h"

#include "recovery/RecoveryKeeper.h"
#include "recovery/RemoteAddress.h"
#include "session/Session.h"
#include "util/WholeFile.h"

namespace htmlsim {

namespace {

std::optional<RecoverableCopy> ReadCopy(const RecoveryFolder& folder, const std::string& id) {
    auto record = folder.Record(id);
    if (!record) {
        return std::nullopt;
    }
    RecoverableCopy copy;
    copy.id = id;
    copy.record = std::move(*record);
    try {
        copy.text = folder.Text(id);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const auto stampNow = copy.record.remote ? std::nullopt : StampOfFile(copy.record.path);
    if (stampNow) {
        try {
            copy.original = ReadWholeFile(copy.record.path);
        } catch (const std::exception&) {
            copy.original.reset();
        }
    }
    copy.changes = CountLineChanges(copy.original.value_or(""), copy.text);
    copy.originalChanged = copy.record.original && stampNow != copy.record.original;
    return copy;
}

}  // namespace

std::vector<RecoverableCopy> TakeRecoverableCopies(RecoveryFolder& folder, RecoveryLocks& locks) {
    std::vector<RecoverableCopy> copies;
    for (const std::string& id : folder.Ids()) {
        if (!locks.TryTake(id)) {
            continue;
        }
        if (auto copy = ReadCopy(folder, id)) {
            copies.push_back(std::move(*copy));
        } else {
            locks.Release(id);
        }
    }
    return copies;
}

bool OpenRecoverableCopy(const RecoverableCopy& copy, Session& session, RecoveryKeeper& keeper,
                         RecoveryLocks& locks) {
    if (copy.record.remote) {
        const RemoteServer server = ServerOfAddress(copy.record.server);
        // The password was never kept: the connection dialog asks for it.
        if (session.FTP() == nullptr || !session.FTP()->Connect(server.host, server.user)) {
            locks.Release(copy.id);
            return false;
        }
    }
    session.OpenRecoveredDocument(copy.record.remote ? kFtpDocument : kLocalDocument,
                                  copy.record.path, copy.text);
    keeper.Adopt(copy.id, copy.record);
    return true;
}

void DeleteRecoverableCopy(const RecoverableCopy& copy, RecoveryFolder& folder,
                           RecoveryLocks& locks) {
    folder.Remove(copy.id);
    locks.Release(copy.id);
}

void PutOffRecoverableCopy(const RecoverableCopy& copy, RecoveryLocks& locks) {
    locks.Release(copy.id);
}

}  // namespace htmlsim
