#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "X11Recorder.h"

namespace htmlsim {
class Dialogs;
}

namespace htmlsim::gui {

// The small window shown while recording: the number of pages so far and Stop. Presses on it
// are not recorded.
class RecordingIndicator : public QWidget {
  public:
    RecordingIndicator();
    void SetPageCount(int pages);
    QPushButton& StopButton() { return mStop; }

  private:
    QLabel mCount;
    QPushButton mStop{"Stop"};
};

// Records into the folder with the options while the program's windows are hidden (unmapped:
// there may be no window manager to minimise them) and the indicator is shown; the stop key or
// Stop ends it. With `pickWindow` the window to record is the one clicked first. Returns the
// first page's path, "" when nothing was recorded (the reason has been shown).
std::string RecordWithIndicator(Dialogs& dialogs, const std::string& folder,
                                const std::string& prefix, record::RecorderOptions options,
                                bool pickWindow);

}  // namespace htmlsim::gui
