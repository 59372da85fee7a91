#include "RecordedApplication.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace htmlsim::testing {

namespace fs = std::filesystem;

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
      mDisplay(screen),
      mEnvironment{{"DISPLAY", mDisplay.Name()},
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
    mDisplay.Move(mWindow, click.x, click.y);
    mRecorder.ReadLineStartingWith("rest " + std::to_string(click.x) + "," +
                                   std::to_string(click.y) + " ");
    QImage screen = Screen();
    // The recorder reports each screen it grabs with its server time.
    const unsigned long now = mDisplay.ServerTime();
    while (std::stoul(mRecorder.ReadLineStartingWith("frame ").substr(6)) <= now) {
    }
    mDisplay.Press(button);
    if (!mFields.contains(control)) {
        mControls = ReadScreen(mApplication, ++mScreen);
    }
    return {screen, click};
}

void RecordedApplication::Type(const std::string& word) {
    mDisplay.Type(word);
    mApplication.ReadLineStartingWith("typed " + word);
}

QImage RecordedApplication::Screen() {
    return mDisplay.Screen(mWindow);
}

ChildProcess::Usage RecordedApplication::Stop() {
    mDisplay.TypeKey("Pause");
    return mRecorder.WaitWithUsage();
}

}  // namespace htmlsim::testing
