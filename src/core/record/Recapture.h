#pragma once

#include <functional>
#include <string>

#include "record/CaptureRegion.h"
#include "record/RecordedPress.h"
#include "services/Dialogs.h"

namespace htmlsim {

// The countdown's clock: waits one second. The editor waits on its event loop; tests count.
class CountdownClock {
  public:
    virtual ~CountdownClock() = default;
    virtual void WaitOneSecond() = 0;
};

// Takes the picture of a region of the screen as it is now; none for the whole screen.
class ScreenCapture {
  public:
    virtual ~ScreenCapture() = default;
    virtual RecordedPicture Grab(const std::optional<CaptureRegion>& region) = 0;
};

inline constexpr int kRecaptureCountdownSeconds = 3;

// Re-capture Picture: the page's picture is taken anew from the region its recording wrote
// beside it, or, for a page without one, from the region the user names (kept beside the page
// for next time) or the whole screen. `secondsLeft` is told 3, 2, 1 as the countdown goes, so
// the user can bring the screen into shape. The picture file is replaced whole; the page, and
// with it every area, stays as it is. False when nothing was replaced (cancelled, or the reason
// was shown).
bool RecapturePicture(const std::string& pagePath, const std::string& picturePath, Dialogs& dialogs,
                      CountdownClock& clock, ScreenCapture& screen,
                      const std::function<void(int secondsLeft)>& secondsLeft);

}  // namespace htmlsim
