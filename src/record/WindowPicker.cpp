#include "WindowPicker.h"

#include <X11/Xlib.h>
#include <X11/cursorfont.h>

#include "util/RuntimeError.h"

namespace htmlsim::record {

unsigned long PickWindowByClick() {
    ::Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        throw RuntimeError("The X display cannot be opened; recording needs an X11 session.");
    }
    const Window root = DefaultRootWindow(display);
    const Cursor crosshair = XCreateFontCursor(display, XC_crosshair);
    const int grabbed = XGrabPointer(display, root, False, ButtonPressMask, GrabModeSync,
                                     GrabModeAsync, root, crosshair, CurrentTime);
    Window picked = 0;
    if (grabbed == GrabSuccess) {
        XAllowEvents(display, SyncPointer, CurrentTime);
        XEvent event;
        XWindowEvent(display, root, ButtonPressMask, &event);
        picked = event.xbutton.subwindow;
        XUngrabPointer(display, CurrentTime);
    }
    XFreeCursor(display, crosshair);
    XCloseDisplay(display);
    if (grabbed != GrabSuccess) {
        throw RuntimeError("The pointer is in use by another program; no window can be picked.");
    }
    return picked;
}

}  // namespace htmlsim::record
