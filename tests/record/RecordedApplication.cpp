#include "RecordedApplication.h"

#include <unistd.h>

#include <QString>
#include <cstdlib>
#include <stdexcept>

#include "ChildProcess.h"

// Last: X11's macros (None, Bool, Status) would change the names in the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace htmlsim::testing {

namespace fs = std::filesystem;

XvfbDisplay StartXvfb(const std::string& screen) {
    int report[2];
    if (pipe(report) != 0) {
        throw std::runtime_error("no pipe");
    }
    XvfbDisplay display;
    display.server = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(report[1]), "-screen", "0",
                                 screen, "-nolisten", "tcp"},
        std::map<std::string, std::string>{}, report[1]);
    close(report[1]);
    std::string buffer;
    display.name = ":" + ReadLineFrom(report[0], buffer);
    close(report[0]);
    return display;
}

QImage WindowImage(_XDisplay* display, unsigned long window, int width, int height) {
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    QImage screen = QImage(reinterpret_cast<const uchar*>(image->data), width, height,
                           image->bytes_per_line, QImage::Format_RGB32)
                        .copy();
    XDestroyImage(image);
    return screen;
}

QImage ReadPicture(const std::filesystem::path& path) {
    return QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_RGB32);
}

// A virtual display, and what the test does on it through XTest.
class VirtualDisplay {
  public:
    explicit VirtualDisplay(const std::string& screen)
        : mServer(StartXvfb(screen)), mDisplay(XOpenDisplay(mServer.name.c_str())) {
        if (mDisplay == nullptr) {
            throw std::runtime_error("the virtual display cannot be opened");
        }
    }
    ~VirtualDisplay() {
        if (mDisplay != nullptr) {
            XCloseDisplay(mDisplay);
        }
    }

    const std::string& Name() const { return mServer.name; }
    ::Display* Get() const { return mDisplay; }

    // The server's time now: what it stamps on a property change of a window of ours.
    unsigned long ServerTime() {
        if (mClock == 0) {
            XSetWindowAttributes attributes{};
            attributes.event_mask = PropertyChangeMask;
            mClock = XCreateWindow(mDisplay, DefaultRootWindow(mDisplay), 0, 0, 1, 1, 0, 0,
                                   InputOnly, CopyFromParent, CWEventMask, &attributes);
        }
        XChangeProperty(mDisplay, mClock, XA_WM_NAME, XA_STRING, 8, PropModeAppend, nullptr, 0);
        XEvent event;
        XWindowEvent(mDisplay, mClock, PropertyChangeMask, &event);
        return event.xproperty.time;
    }

    QImage Screen(Window window, int width, int height) {
        return WindowImage(mDisplay, window, width, height);
    }

    void Move(Window window, const Click& click) {
        int x = 0;
        int y = 0;
        Window child = 0;
        XTranslateCoordinates(mDisplay, window, DefaultRootWindow(mDisplay), click.x, click.y, &x,
                              &y, &child);
        XTestFakeMotionEvent(mDisplay, -1, x, y, CurrentTime);
        XSync(mDisplay, False);
    }

    void Press(unsigned button) {
        XTestFakeButtonEvent(mDisplay, button, True, CurrentTime);
        XTestFakeButtonEvent(mDisplay, button, False, CurrentTime);
        XSync(mDisplay, False);
    }

    void Type(const std::string& keys) {
        for (char key : keys) {
            TypeKey(std::string(1, key));
        }
    }

    void TypeKey(const std::string& name) {
        const KeyCode code = XKeysymToKeycode(mDisplay, XStringToKeysym(name.c_str()));
        XTestFakeKeyEvent(mDisplay, code, True, CurrentTime);
        XTestFakeKeyEvent(mDisplay, code, False, CurrentTime);
        XSync(mDisplay, False);
    }

  private:
    XvfbDisplay mServer;
    ::Display* mDisplay = nullptr;
    Window mClock = 0;
};

// A session bus of its own, with the accessibility bus started on it as a desktop starts it
// before any application (which looks for it at its start).
class SessionBus {
  public:
    SessionBus()
        : mDaemon({"dbus-daemon", "--session", "--nofork", "--print-address=1"}),
          mAddress(mDaemon.ReadLine()) {
        ChildProcess accessibilityBus(
            {"dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"},
            {{"DBUS_SESSION_BUS_ADDRESS", mAddress}});
        if (accessibilityBus.WaitWithUsage().exitStatus != 0) {
            throw std::runtime_error("the accessibility bus does not start");
        }
    }
    const std::string& Address() const { return mAddress; }

  private:
    ChildProcess mDaemon;
    std::string mAddress;
};

namespace {

// The application's report of screen `number`: where its controls are.
ControlBoxes ReadScreen(ChildProcess& application, int number) {
    ControlBoxes controls;
    for (;;) {
        const std::string line = application.ReadLine();
        if (line == "screen " + std::to_string(number)) {
            return controls;
        }
        char name[64] = {};
        ShapeBox box;
        if (std::sscanf(line.c_str(), "control %63s %d,%d,%d,%d", name, &box.Left, &box.Top,
                        &box.Width, &box.Height) == 5) {
            controls[name] = box;
        }
    }
}

// Lines of the recorder are read until a screen grabbed after `time` is reported.
void WaitForFrameAfter(ChildProcess& recorder, unsigned long time) {
    for (;;) {
        const std::string line = recorder.ReadLineStartingWith("frame ");
        if (std::stoul(line.substr(6)) > time) {
            return;
        }
    }
}

}  // namespace

std::vector<std::string> RecordedApplication::RecorderArguments(const fs::path& folder,
                                                                bool wholeScreen) const {
    std::vector<std::string> arguments{std::getenv("HTMLSIM_CLI"),
                                       "record",
                                       "--out",
                                       folder.string(),
                                       "--prefix",
                                       "demo",
                                       "--keys",
                                       "--report-frames",
                                       "--x11-only"};
    // The window stands at the screen's top left corner: its points are the screen's.
    if (!wholeScreen) {
        arguments.insert(arguments.end(), {"--window", std::to_string(mWindow)});
    }
    return arguments;
}

RecordedApplication::RecordedApplication(const fs::path& folder, const std::string& screen,
                                         bool wholeScreen)
    : mBus(std::make_unique<SessionBus>()),
      mDisplay(std::make_unique<VirtualDisplay>(screen)),
      mEnvironment{{"DISPLAY", mDisplay->Name()},
                   {"QT_QPA_PLATFORM", "xcb"},
                   {"DBUS_SESSION_BUS_ADDRESS", mBus->Address()},
                   {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1"}},
      mApplication({std::getenv("HTMLSIM_RECORD_TARGET")}, mEnvironment),
      mWindow(std::stoul(mApplication.ReadLineStartingWith("window ").substr(7))),
      mControls(ReadScreen(mApplication, 1)),
      mRecorder(RecorderArguments(folder, wholeScreen), mEnvironment) {}

RecordedApplication::~RecordedApplication() = default;

std::pair<QImage, Click> RecordedApplication::Press(const std::string& control, unsigned button) {
    const ShapeBox box = mControls.at(control);
    const Click click{box.Left + box.Width / 2, box.Top + box.Height / 2, button};
    mDisplay->Move(mWindow, click);
    mRecorder.ReadLineStartingWith("rest " + std::to_string(click.x) + "," +
                                   std::to_string(click.y) + " ");
    QImage screen = Screen();
    WaitForFrameAfter(mRecorder, mDisplay->ServerTime());
    mDisplay->Press(button);
    if (!mFields.contains(control)) {
        mControls = ReadScreen(mApplication, ++mScreen);
    }
    return {screen, click};
}

void RecordedApplication::Type(const std::string& word) {
    mDisplay->Type(word);
    mApplication.ReadLineStartingWith("typed " + word);
}

QImage RecordedApplication::Screen() {
    return mDisplay->Screen(mWindow, 360, 200);
}

ChildProcess::Usage RecordedApplication::Stop() {
    mDisplay->TypeKey("Pause");
    return mRecorder.WaitWithUsage();
}

}  // namespace htmlsim::testing
