// Recording from the editor under a virtual display started here: the editor's windows are
// unmapped while the indicator counts the pages, a press on the indicator's Stop ends the
// recording without becoming a page, and the windows come back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "FakeDialogs.h"
#include "RecordedApplication.h"
#include "TempFolder.h"
#include "record/RecordingIndicator.h"

// Last: X11's macros (None, Bool, Status) would change the names in the headers above.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace htmlsim::testing {
namespace {

void ClickOnScreen(const QPoint& point) {
    ::Display* display = XOpenDisplay(nullptr);
    XTestFakeMotionEvent(display, -1, point.x(), point.y(), CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XCloseDisplay(display);
}

bool IsMapped(const QWidget& window) {
    ::Display* display = XOpenDisplay(nullptr);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window.winId(), &attributes);
    XCloseDisplay(display);
    return attributes.map_state != IsUnmapped;
}

// Runs `drive` once the indicator is shown, inside the recording's own event loop.
class WhenIndicatorShown : public QObject {
  public:
    explicit WhenIndicatorShown(std::function<void(gui::RecordingIndicator&)> drive)
        : mDrive(std::move(drive)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == "frmRecordingIndicator") {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this, watched] {
                mDrive(*static_cast<gui::RecordingIndicator*>(watched));
            });
        }
        return false;
    }

  private:
    std::function<void(gui::RecordingIndicator&)> mDrive;
};

TEST(RecordIndicator, StopOnTheIndicatorEndsTheRecordingAndIsNoPage) {
    TempFolder folder;
    QWidget editor;
    editor.resize(300, 200);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    bool editorUnmapped = false;
    WhenIndicatorShown driver([&](gui::RecordingIndicator& indicator) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&indicator));
        auto* count = indicator.findChild<QLabel*>("lblPageCount");
        ASSERT_TRUE(QTest::qWaitFor([&] { return count->text() == "Recording: 0 pages"; }));
        editorUnmapped = !IsMapped(editor);
        const QPoint desktop(620, 460);
        ASSERT_FALSE(indicator.frameGeometry().contains(desktop));
        ClickOnScreen(desktop);
        ASSERT_TRUE(QTest::qWaitFor([&] { return count->text() == "Recording: 1 page"; }));
        // The README's picture of the indicator is this one.
        if (const char* screenshot = std::getenv("HTMLSIM_RECORD_SCREENSHOT")) {
            indicator.grab().save(screenshot);
        }
        QPushButton& stop = indicator.StopButton();
        ClickOnScreen(stop.mapToGlobal(stop.rect().center()));
    });
    FakeDialogs dialogs;
    const std::string first =
        gui::RecordWithIndicator(dialogs, folder.Path().string(), "gui", {}, false);

    EXPECT_EQ(first, folder.File("gui001.html"));
    EXPECT_TRUE(editorUnmapped);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(std::filesystem::exists(folder.File("gui002.html")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("gui003.html")));
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace htmlsim::testing

int main(int argc, char** argv) {
    const htmlsim::testing::XvfbDisplay display = htmlsim::testing::StartXvfb();
    setenv("DISPLAY", display.name.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    // No accessibility bus: the test is about the window, not the controls under the pointer.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
