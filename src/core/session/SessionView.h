#pragma once

#include <string>
#include <vector>

namespace htmlsim {

// What the session asks of the window that shows it. Every member does nothing by default, so
// a headless user (the CLI, a test) overrides only what it needs.
class SessionView {
  public:
    virtual ~SessionView() = default;

    virtual void SetCaption(const std::string& /*caption*/) {}
    // A local document was opened or saved under this path (for the recent files).
    virtual void DocumentKept(const std::string& /*path*/) {}
    // The hourglass pointer while a command runs.
    virtual void SetBusy(bool /*busy*/) {}

    // The design surface: the design was emptied; both scroll bars go home.
    virtual void ClearDesign() {}
    virtual void ScrollDesignHome() {}
    // The design has been rebuilt from the document text: show it anew.
    virtual void DesignRebuilt() {}
    // The session is on this tab now. Commands switch tabs too (opening a remote page shows its
    // design), and the window must follow: an editor left showing another page's text would
    // put that text into the open page at the next save.
    virtual void ShowTab(int /*tab*/) {}

    // The Document Editor: the list of sections, the quiet selection of one of them (no reload
    // of the text), and the text being edited (UTF-8, "\n" line breaks).
    virtual void ShowSectionNames(const std::vector<std::string>& /*names*/) {}
    virtual void SelectSectionQuietly(size_t /*index*/) {}
    virtual void ShowEditorText(const std::string& /*text*/) {}
    virtual std::string EditorText() const { return {}; }
};

}  // namespace htmlsim
