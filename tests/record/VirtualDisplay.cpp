#include "VirtualDisplay.h"

#include <QString>
#include <stdexcept>

// Last: X11's macros (None, Bool, Status) would change the names in the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace htmlsim::testing {

// Xvfb writes the number it found on the descriptor given: its output, read here.
VirtualDisplay::VirtualDisplay(const std::string& screen)
    : mServer({"Xvfb", "-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp"}),
      mName(":" + mServer.ReadLine()),
      mDisplay(XOpenDisplay(mName.c_str())) {
    if (mDisplay == nullptr) {
        throw std::runtime_error("the virtual display cannot be opened");
    }
}

VirtualDisplay::~VirtualDisplay() {
    XCloseDisplay(mDisplay);
}

unsigned long VirtualDisplay::Root() const {
    return DefaultRootWindow(mDisplay);
}

bool VirtualDisplay::IsMapped(unsigned long window) const {
    XWindowAttributes attributes{};
    XGetWindowAttributes(mDisplay, window, &attributes);
    return attributes.map_state != IsUnmapped;
}

unsigned long VirtualDisplay::ServerTime() {
    if (mClock == 0) {
        XSetWindowAttributes attributes{};
        attributes.event_mask = PropertyChangeMask;
        mClock = XCreateWindow(mDisplay, Root(), 0, 0, 1, 1, 0, 0, InputOnly, CopyFromParent,
                               CWEventMask, &attributes);
    }
    XChangeProperty(mDisplay, mClock, XA_WM_NAME, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent event;
    XWindowEvent(mDisplay, mClock, PropertyChangeMask, &event);
    return event.xproperty.time;
}

QImage VirtualDisplay::Screen(unsigned long window) const {
    XWindowAttributes size{};
    XGetWindowAttributes(mDisplay, window, &size);
    XImage* image = XGetImage(mDisplay, window, 0, 0, static_cast<unsigned>(size.width),
                              static_cast<unsigned>(size.height), AllPlanes, ZPixmap);
    QImage screen = QImage(reinterpret_cast<const uchar*>(image->data), size.width, size.height,
                           image->bytes_per_line, QImage::Format_RGB32)
                        .copy();
    XDestroyImage(image);
    return screen;
}

void VirtualDisplay::Move(unsigned long window, int x, int y) {
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(mDisplay, window, Root(), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(mDisplay, -1, rootX, rootY, CurrentTime);
    XSync(mDisplay, False);
}

void VirtualDisplay::Press(unsigned button) {
    XTestFakeButtonEvent(mDisplay, button, True, CurrentTime);
    XTestFakeButtonEvent(mDisplay, button, False, CurrentTime);
    XSync(mDisplay, False);
}

void VirtualDisplay::Type(const std::string& keys) {
    for (char key : keys) {
        TypeKey(std::string(1, key));
    }
}

void VirtualDisplay::TypeKey(const std::string& name) {
    const KeyCode code = XKeysymToKeycode(mDisplay, XStringToKeysym(name.c_str()));
    XTestFakeKeyEvent(mDisplay, code, True, CurrentTime);
    XTestFakeKeyEvent(mDisplay, code, False, CurrentTime);
    XSync(mDisplay, False);
}

QImage ReadPicture(const std::filesystem::path& path) {
    return QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_RGB32);
}

}  // namespace htmlsim::testing
