#include "X11ScreenCapture.h"

#include <memory>

#include "PngPicture.h"
#include "ShmGrabber.h"
#include "util/RuntimeError.h"

namespace htmlsim::record {

RecordedPicture X11ScreenCapture::Grab(const std::optional<CaptureRegion>& region) {
    const std::unique_ptr<::Display, int (*)(::Display*)> display(XOpenDisplay(nullptr),
                                                                  XCloseDisplay);
    if (!display) {
        throw RuntimeError("The X11 display cannot be opened.");
    }
    const int screenNumber = DefaultScreen(display.get());
    const QRect screen(0, 0, DisplayWidth(display.get(), screenNumber),
                       DisplayHeight(display.get(), screenNumber));
    const QRect wanted =
        region ? QRect(region->x, region->y, region->width, region->height) : screen;
    const QRect captured = wanted & screen;
    if (captured.isEmpty()) {
        throw RuntimeError("The region to capture lies outside the screen.");
    }
    ShmGrabber grabber(display.get(), captured);
    return PngPicture(grabber.Grab());
}

}  // namespace htmlsim::record
