#pragma once

#include <string>
#include <vector>

#include "session/SessionView.h"

namespace htmlsim::testing {

// Records what the session shows; editorText plays the Document Editor's text box.
class FakeSessionView : public SessionView {
  public:
    std::vector<std::string> captions;
    int designClears = 0;
    int imports = 0;
    int busyDepth = 0;
    std::vector<std::string> sectionNames;
    size_t quietSelection = 0;
    std::string editorText;
    int editorLoads = 0;
    int shownTab = 0;  // the tab the window shows

    void SetCaption(const std::string& caption) override { captions.push_back(caption); }
    void SetBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    void ClearDesign() override { ++designClears; }
    void ScrollDesignHome() override {}
    void DesignRebuilt() override { ++imports; }
    void ShowSectionNames(const std::vector<std::string>& names) override { sectionNames = names; }
    void SelectSectionQuietly(size_t index) override { quietSelection = index; }
    void ShowEditorText(const std::string& text) override {
        editorText = text;
        ++editorLoads;
    }
    std::string EditorText() const override { return editorText; }
    void ShowTab(int tab) override { shownTab = tab; }
};

}  // namespace htmlsim::testing
