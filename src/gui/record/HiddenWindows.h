#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace htmlsim::gui {

// The program's windows are unmapped while the screen is recorded or captured (there may be no
// window manager to minimise them) and come back as they were.
class HiddenWindows {
  public:
    HiddenWindows();
    ~HiddenWindows();
    HiddenWindows(const HiddenWindows&) = delete;
    HiddenWindows& operator=(const HiddenWindows&) = delete;

  private:
    std::vector<QPointer<QWidget>> mHidden;
};

// Until the server has unmapped a window, it would be in the screens grabbed.
void SyncWithServer();

}  // namespace htmlsim::gui
