#pragma once

#include "record/Recapture.h"

class QWidget;

namespace htmlsim {
class Session;
}

namespace htmlsim::gui {

// Waits its seconds on the event loop, so the countdown's window is painted meanwhile.
class EventLoopCountdownClock : public CountdownClock {
  public:
    void WaitOneSecond() override;
};

// Tools > Re-capture Picture: the open page's picture (the image chosen, or its first) is taken
// anew while the editor is hidden and a small window counts down; the page is then shown with
// the new picture and its areas as they were.
void RecapturePictureCommand(Session& session, CountdownClock& clock, ScreenCapture& screen);

}  // namespace htmlsim::gui
