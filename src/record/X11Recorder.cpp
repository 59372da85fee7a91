#include "X11Recorder.h"

#include <poll.h>

#include <chrono>
#include <optional>
#include <vector>

#include "AccessibleControls.h"
#include "FrameRing.h"
#include "PngPicture.h"
#include "TypedKeys.h"
#include "util/RuntimeError.h"

// Last: X11's macros (None, Bool, Status) would change the names in the headers above.
#include <X11/Xatom.h>
#include <X11/extensions/XInput2.h>

#include "ShmGrabber.h"

namespace htmlsim::record {

namespace {

using Clock = std::chrono::steady_clock;

// Enough distinct screens to reach back past a press that came in while the application was
// already redrawing; a few full screens of memory.
constexpr size_t kRingCapacity = 6;
constexpr auto kGrabInterval = std::chrono::milliseconds(50);
// The pointer has come to rest when it has not moved for this long: a screen worth grabbing.
constexpr auto kPointerRest = std::chrono::milliseconds(100);

constexpr unsigned kLeftButton = 1;
constexpr unsigned kRightButton = 3;

// Closed last, after everything made on it, even when setting up fails half way.
class Connection {
  public:
    Connection() : mDisplay(XOpenDisplay(nullptr)) {
        if (mDisplay == nullptr) {
            throw RuntimeError("The X display cannot be opened; recording needs an X11 session.");
        }
    }
    ~Connection() { XCloseDisplay(mDisplay); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ::Display* Get() const { return mDisplay; }

  private:
    ::Display* mDisplay;
};

QRect ScreenRect(::Display* display) {
    const int screen = DefaultScreen(display);
    return {0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)};
}

QRect WindowRect(::Display* display, Window window) {
    XWindowAttributes attributes;
    int x = 0;
    int y = 0;
    Window child = 0;
    if (!XGetWindowAttributes(display, window, &attributes) ||
        !XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child)) {
        throw RuntimeError("There is no window " + std::to_string(window) + ".");
    }
    return {x, y, attributes.width, attributes.height};
}

QRect RecordedRegion(::Display* display, const RecorderOptions& options) {
    const QRect screen = ScreenRect(display);
    QRect region = screen;
    if (options.window != 0) {
        region = WindowRect(display, options.window);
    } else if (!options.region.isEmpty()) {
        region = options.region;
    }
    region &= screen;
    if (region.isEmpty()) {
        throw RuntimeError("The region to record lies outside the screen.");
    }
    return region;
}

// The child of the root window that holds `window`: what the pointer query names.
Window TopLevelOf(::Display* display, Window window) {
    const Window root = DefaultRootWindow(display);
    while (window != 0) {
        Window parent = 0;
        Window rootReturn = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, window, &rootReturn, &parent, &children, &count)) {
            return 0;
        }
        XFree(children);
        if (parent == root) {
            return window;
        }
        window = parent;
    }
    return 0;
}

}  // namespace

class X11Recorder::Display {
  public:
    explicit Display(const RecorderOptions& options)
        : options(options),
          display(connection.Get()),
          region(RecordedRegion(display, options)),
          grabber(display, region),
          keys(display),
          stopKey(XStringToKeysym(options.stopKey.c_str())) {
        int event = 0;
        int error = 0;
        int major = 2;
        int minor = 2;
        if (!XQueryExtension(display, "XInputExtension", &xiOpcode, &event, &error) ||
            XIQueryVersion(display, &major, &minor) != Success) {
            throw RuntimeError("The X server has no XInput 2.2; recording needs it.");
        }
        if (stopKey == NoSymbol) {
            throw RuntimeError("There is no key called '" + options.stopKey + "'.");
        }
        // A window of our own whose property changes tell the server's time: the time just
        // after a grab is the grab's time for the presses.
        XSetWindowAttributes attributes{};
        attributes.event_mask = PropertyChangeMask;
        stampWindow = XCreateWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0,
                                    InputOnly, CopyFromParent, CWEventMask, &attributes);
        stampAtom = XInternAtom(display, "_HTMLSIM_RECORD_STAMP", False);
    }
    ~Display() { XDestroyWindow(display, stampWindow); }

    void RequestStamp() {
        XChangeProperty(display, stampWindow, stampAtom, XA_INTEGER, 8, PropModeAppend, nullptr, 0);
        XFlush(display);
    }

    unsigned long WaitForStamp() {
        RequestStamp();
        XEvent event;
        XWindowEvent(display, stampWindow, PropertyChangeMask, &event);
        return event.xproperty.time;
    }

    void SelectRawEvents() {
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawButtonPress);
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
        XISetMask(bits, XI_RawMotion);
        XIEventMask mask{XIAllMasterDevices, sizeof bits, bits};
        XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
        XFlush(display);
    }

    // The pointer's place on the screen, none outside the region or over a window not
    // recorded.
    std::optional<QPoint> PointerInRegion() {
        Window root = 0;
        Window child = 0;
        int x = 0;
        int y = 0;
        int windowX = 0;
        int windowY = 0;
        unsigned mask = 0;
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &windowX,
                      &windowY, &mask);
        for (const Window ignored : ignoredWindows) {
            if (child != 0 && TopLevelOf(display, ignored) == child) {
                return std::nullopt;
            }
        }
        if (!region.contains(x, y)) {
            return std::nullopt;
        }
        return QPoint(x, y);
    }

    // The control under the pointer, asked while the pointer rests: by the time a press is
    // seen the application may already show its next screen.
    void PointerRested(RecorderListener& listener) {
        restPoint = PointerInRegion();
        restControl.reset();
        if (!restPoint) {
            return;
        }
        restControl = accessible.At(restPoint->x(), restPoint->y());
        if (restControl) {
            restControl->bounds.Left -= region.x();
            restControl->bounds.Top -= region.y();
        }
        listener.PointerRested(*restPoint - region.topLeft(), restControl);
    }

    std::optional<RecordedPress> PressAtPointer(bool rightButton) {
        const std::optional<QPoint> point = PointerInRegion();
        if (!point) {
            return std::nullopt;
        }
        RecordedPress press{point->x() - region.x(), point->y() - region.y(), rightButton, {}};
        if (point == restPoint) {
            press.control = restControl;
        }
        return press;
    }

    RecorderOptions options;
    Connection connection;
    ::Display* display;
    QRect region;
    ShmGrabber grabber;
    TypedKeys keys;
    KeySym stopKey;
    AccessibleControls accessible;
    std::optional<QPoint> restPoint;
    std::optional<AccessibleControl> restControl;
    int xiOpcode = 0;
    Window stampWindow = 0;
    Atom stampAtom = 0;
    std::vector<Window> ignoredWindows;
};

X11Recorder::X11Recorder(const RecorderOptions& options)
    : mDisplay(std::make_unique<Display>(options)) {}

X11Recorder::~X11Recorder() = default;

QRect X11Recorder::Region() const {
    return mDisplay->region;
}

void X11Recorder::IgnorePressesOn(unsigned long window) {
    mDisplay->ignoredWindows.push_back(window);
}

void X11Recorder::Run(Recording& recording, RecorderListener& listener) {
    Display& d = *mDisplay;
    const QRect region = Region();
    recording.SetRegion({region.x(), region.y(), region.width(), region.height()});
    FrameRing ring(kRingCapacity);
    // The first screen is in the ring before any press is listened to.
    const QImage first = d.grabber.Grab();
    const unsigned long firstTime = d.WaitForStamp();
    ring.Add(firstTime, first);
    listener.FrameGrabbed(firstTime);
    d.SelectRawEvents();
    listener.Started();
    d.PointerRested(listener);

    std::optional<QImage> unstamped;
    Clock::time_point nextGrab = Clock::now() + kGrabInterval;
    // When the pointer will have rested; never while it has not moved.
    Clock::time_point pointerRest = Clock::time_point::max();
    int presses = 0;
    auto handleRaw = [&](int type, const XIRawEvent& raw) {
        if (type == XI_RawButtonPress &&
            (raw.detail == kLeftButton || raw.detail == kRightButton)) {
            const std::optional<RecordedPress> press = d.PressAtPointer(raw.detail == kRightButton);
            if (!press) {
                return;
            }
            recording.Press(PngPicture(*ring.NewestBefore(raw.time)), *press);
            listener.PressRecorded(++presses, *press);
            // The next screen may put another control under the resting pointer.
            d.restPoint.reset();
            pointerRest = Clock::now() + kPointerRest;
        } else if (type == XI_RawKeyPress) {
            const TypedKeys::Key key = d.keys.KeyPressed(static_cast<unsigned>(raw.detail));
            if (key.keysym == d.stopKey) {
                mStopRequested = true;
            } else if (d.options.keys && key.keysym == XKB_KEY_BackSpace) {
                recording.EraseTyped();
            } else if (d.options.keys && !key.text.empty()) {
                recording.Type(key.text);
            }
        } else if (type == XI_RawKeyRelease) {
            d.keys.KeyReleased(static_cast<unsigned>(raw.detail));
            nextGrab = Clock::now();  // typing shows on the screen
        } else if (type == XI_RawMotion) {
            d.restPoint.reset();
            pointerRest = Clock::now() + kPointerRest;
        }
    };

    while (!mStopRequested) {
        while (XPending(d.display) > 0 && !mStopRequested) {
            XEvent event;
            XNextEvent(d.display, &event);
            if (event.type == PropertyNotify && event.xproperty.window == d.stampWindow) {
                if (unstamped) {
                    ring.Add(event.xproperty.time, *unstamped);
                    unstamped.reset();
                    listener.FrameGrabbed(event.xproperty.time);
                }
            } else if (event.xcookie.type == GenericEvent &&
                       event.xcookie.extension == d.xiOpcode &&
                       XGetEventData(d.display, &event.xcookie)) {
                handleRaw(event.xcookie.evtype, *static_cast<XIRawEvent*>(event.xcookie.data));
                XFreeEventData(d.display, &event.xcookie);
            }
        }
        const Clock::time_point now = Clock::now();
        if (now >= pointerRest) {
            d.PointerRested(listener);
            nextGrab = now;
            pointerRest = Clock::time_point::max();
        }
        if (!mStopRequested && !unstamped && now >= nextGrab) {
            unstamped = d.grabber.Grab();
            d.RequestStamp();
            nextGrab = now + kGrabInterval;
        }
        pollfd readable{ConnectionNumber(d.display), POLLIN, 0};
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::max(nextGrab - Clock::now(), Clock::duration::zero()));
        poll(&readable, 1, static_cast<int>(wait.count()) + 1);
    }
    recording.Finish(PngPicture(d.grabber.Grab()));
}

}  // namespace htmlsim::record
