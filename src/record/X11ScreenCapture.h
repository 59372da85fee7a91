#pragma once

#include "record/Recapture.h"

namespace htmlsim::record {

// One picture of the X11 screen, or of a region of it (kept within the screen), through shared
// memory as the recorder takes them. Throws RuntimeError when the display cannot be opened or
// the region lies outside the screen.
class X11ScreenCapture : public ScreenCapture {
  public:
    RecordedPicture Grab(const std::optional<CaptureRegion>& region) override;
};

}  // namespace htmlsim::record
