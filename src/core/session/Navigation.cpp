#include "session/Navigation.h"

#include "components/FileHelper.h"
#include "remote/PathNames.h"
#include "util/LinkTarget.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

bool IsLocalRelativeLink(const std::string& link) {
    return link.starts_with(".\\") || link.starts_with("./");
}

// Marks the span of a followed link: busy pointer and the surface deaf to the mouse, both
// restored however the span ends.
class FollowingSpan {
  public:
    FollowingSpan(Session& session, bool& following) : mSession(session), mFollowing(following) {
        mFollowing = true;
        mSession.SetLoadingSection(true);
        mSession.View().SetBusy(true);
    }
    ~FollowingSpan() {
        mSession.View().SetBusy(false);
        mSession.SetLoadingSection(false);
        mFollowing = false;
    }
    FollowingSpan(const FollowingSpan&) = delete;
    FollowingSpan& operator=(const FollowingSpan&) = delete;

  private:
    Session& mSession;
    bool& mFollowing;
};

}  // namespace

void Navigation::FollowLink(const std::string& link) {
    if (mFollowing) {
        return;
    }
    FollowingSpan span(mSession, mFollowing);
    try {
        // Unsaved work is never left behind: a cancelled Save As keeps the page open.
        if (!mSession.SaveCommand()) {
            return;
        }
        if (IsBackLink(link)) {
            Back();
        } else if (LeadsToPage(link)) {
            OpenLinkTarget(std::string(LinkFilePart(link)));
        } else if (HasScheme(link)) {
            // Never a file named like an address: the learner's browser leaves the simulation.
            mSession.GetDialogs().Message("The link '" + link + "' leads outside the simulation.",
                                          "", MessageIcon::Information);
        }
    } catch (const std::exception& failure) {
        mSession.GetDialogs().Message(failure.what(), "", MessageIcon::Critical);
    }
}

void Navigation::OpenLinkTarget(const std::string& link) {
    if (mSession.DocumentSource() == kFtpDocument) {
        const std::string target =
            priInterpretFTPRelativePathName(mSession.PathOnly(), link, mSession.GetDialogs());
        if (target.empty()) {
            return;
        }
        mSession.OpenDocument(target);
    } else {
        const std::string target = IsLocalRelativeLink(link)
                                       ? FileHelper::ResolveLink(mSession.PathOnly(), link)
                                       : mSession.PathOnly() + link;
        if (FileHelper::FileExists(target)) {
            mSession.OpenDocument(target);
        } else {
            mSession.SetPathAndName(target);
            mSession.CreateNewDocument();
            mSession.SaveDocument();
            mSession.UpdateCaption();
        }
    }
    mSession.SwitchTab(kImageDesignTab);
}

void Navigation::Back() {
    if (mSession.HistoryIndex() > 1) {
        ShowHistoryEntry(mSession.HistoryIndex() - 1);
    }
}

void Navigation::Forward() {
    const auto& history = mSession.History();
    const size_t next = static_cast<size_t>(mSession.HistoryIndex()) + 1;
    if (next >= history.size() || history[next].empty() || !PageExists(history[next]) ||
        !mSession.SaveCommand()) {
        return;
    }
    ShowHistoryEntry(static_cast<int>(next));
}

bool Navigation::PageExists(const std::string& path) {
    if (mSession.DocumentSource() == kFtpDocument) {
        return mSession.FTP() != nullptr && mSession.FTP()->RemoteFileExists(path);
    }
    return FileHelper::FileExists(path);
}

void Navigation::ShowHistoryEntry(int index) {
    mSession.SetHistoryIndex(index);
    mSession.OpenDocument(mSession.History()[index]);
    mSession.SwitchTab(kImageDesignTab);
}

}  // namespace htmlsim
