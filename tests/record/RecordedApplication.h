#pragma once

#include <QImage>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "ChildProcess.h"
#include "VirtualDisplay.h"
#include "model/AreaShape.h"

namespace htmlsim::testing {

struct Click {
    int x = 0;
    int y = 0;
    unsigned button = 1;
};

using ControlBoxes = std::map<std::string, ShapeBox>;

class SessionBus;

// The test application (record_target) recorded by htmlsim-cli into `folder`, both on a
// virtual display and a session bus of their own (with the accessibility bus it starts on
// demand), pressed and typed into through XTest as a user would. Everything it started ends
// with it.
class RecordedApplication {
  public:
    // `screen` is Xvfb's; the window is recorded unless `wholeScreen`.
    explicit RecordedApplication(const std::filesystem::path& folder,
                                 const std::string& screen = "640x480x24",
                                 bool wholeScreen = false);
    ~RecordedApplication();

    // Where the controls of the screen shown are, in window (and recorded) coordinates.
    const ControlBoxes& Controls() const { return mControls; }

    // The pointer rests on the control, the recorder has seen the screen as it is, and the
    // control is pressed; returns the screen before the press and where it was pressed. A
    // button leads to the next screen; a field takes the focus (before any key that follows).
    std::pair<QImage, Click> Press(const std::string& control, unsigned button);
    // Types the word and waits until the application shows it.
    void Type(const std::string& word);
    QImage Screen();
    // The stop key; waits for the recorder's end.
    ChildProcess::Usage Stop();

  private:
    std::vector<std::string> RecorderArguments(const std::filesystem::path& folder,
                                               bool wholeScreen) const;

    std::unique_ptr<SessionBus> mBus;
    VirtualDisplay mDisplay;
    std::map<std::string, std::string> mEnvironment;
    ChildProcess mApplication;
    unsigned long mWindow;
    ControlBoxes mControls;
    ChildProcess mRecorder;
    int mScreen = 1;
    const std::set<std::string> mFields{"Name", "Password"};
};

}  // namespace htmlsim::testing
