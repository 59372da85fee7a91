#pragma once

#include <QImage>
#include <QRect>

// After Qt's: X11's macros (None, Bool, Status) would change the names in its headers.
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

namespace htmlsim::record {

// Grabs one region of the root window through a shared-memory image: no copy of the pixels
// crosses the socket. Throws RuntimeError when the server has no MIT-SHM or the screen is not
// 32 bits per pixel.
class ShmGrabber {
  public:
    ShmGrabber(::Display* display, const QRect& region);
    ~ShmGrabber();
    ShmGrabber(const ShmGrabber&) = delete;
    ShmGrabber& operator=(const ShmGrabber&) = delete;

    // The region as it is now; waits for the server.
    QImage Grab();

  private:
    ::Display* mDisplay;
    QRect mRegion;
    XShmSegmentInfo mSegment{};
    XImage* mImage = nullptr;
};

}  // namespace htmlsim::record
