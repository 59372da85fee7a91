#pragma once

#include <string>

#include "session/Session.h"

namespace htmlsim {

// Following links between pages as a browser would, and Back and Forward through the pages
// visited (the session's History).
class Navigation {
  public:
    explicit Navigation(Session& session) : mSession(session) {}

    // Saves the current document, then opens the page the link names (relative to the
    // document's folder), creating it from the template when it does not exist yet, and shows
    // its design. "javascript:history.back()" (any case) goes back; an empty link only saves.
    // Ignored while a link is being followed; the surface ignores the mouse meanwhile.
    void FollowLink(const std::string& link);
    bool Following() const { return mFollowing; }

    // The previous page of the history, without saving the current one.
    void Back();
    // The next page of the history, after saving the current one; nothing when its file is
    // gone.
    void Forward();

  private:
    void OpenLinkTarget(const std::string& link);
    void ShowHistoryEntry(int index);
    // Local pages on the disk, remote ones on the server.
    bool PageExists(const std::string& path);

    Session& mSession;
    bool mFollowing = false;
};

}  // namespace htmlsim
