// Recording from the editor under a virtual display started here.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "VirtualDisplay.h"
#include "X11ScreenCapture.h"
#include "frmHTMLImage.h"
#include "record/HiddenWindows.h"
#include "record/RecapturePictureCommand.h"
#include "record/RecordingIndicator.h"

namespace htmlsim::testing {
namespace {

// The virtual display the whole binary runs on.
VirtualDisplay& Display() {
    static VirtualDisplay display;
    return display;
}

void ClickOnScreen(const QPoint& point) {
    Display().Move(Display().Root(), point.x(), point.y());
    Display().Press(1);
}

// Runs `drive` once the top-level widget named so is shown, inside the event loop that shows it
// (the dialog's, the recording's).
class WhenShown : public QObject {
  public:
    WhenShown(const char* objectName, std::function<void(QWidget&)> drive)
        : mObjectName(objectName), mDrive(std::move(drive)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == mObjectName) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this, watched] {
                auto& widget = *static_cast<QWidget*>(watched);
                EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
                mDrive(widget);
            });
        }
        return false;
    }

  private:
    QString mObjectName;
    std::function<void(QWidget&)> mDrive;
};

// Counts the countdown's seconds without waiting them, seeing at each whether the window is
// mapped.
class WatchingClock : public CountdownClock {
  public:
    explicit WatchingClock(const QWidget& window) : mWindow(window) {}
    void WaitOneSecond() override { mapped.push_back(Display().IsMapped(mWindow.winId())); }
    std::vector<bool> mapped;

  private:
    const QWidget& mWindow;
};

// The editor's Tools > Record Pages...: the dialog's Start hides the editor and shows the
// indicator; a press on the desktop is a page, the indicator's own Stop is none and ends the
// recording, the editor comes back with the first page open. Re-capture Picture then takes that
// page's picture anew from the region the recording kept, the editor hidden meanwhile.
TEST(RecordIndicator, TheDialogStartsTheIndicatorStopsAndThePageIsRecapturedLater) {
    TempFolder folder;
    FakeDialogs dialogs;
    gui::frmHTMLImage editor(dialogs, folder.File("program"));
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    WhenShown dialogDriver("dlgRecordPages", [&](QWidget& dialog) {
        dialog.findChild<QLineEdit*>("txtFolder")->setText(QString::fromStdString(folder.File("")));
        dialog.findChild<QLineEdit*>("txtPrefix")->setText("gui");
        dialog.findChild<QPushButton*>("cmdStart")->click();
    });
    bool editorUnmapped = false;
    WhenShown indicatorDriver("frmRecordingIndicator", [&](QWidget& window) {
        auto& indicator = static_cast<gui::RecordingIndicator&>(window);
        auto* count = indicator.findChild<QLabel*>("lblPageCount");
        ASSERT_TRUE(QTest::qWaitFor([&] { return count->text() == "Recording: 0 pages"; }));
        editorUnmapped = !Display().IsMapped(editor.winId());
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
    editor.MenuItem("mnuToolsRecordPages")->trigger();

    EXPECT_TRUE(editorUnmapped);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.GetSession().PathAndName(), folder.File("gui001.html"));
    EXPECT_TRUE(std::filesystem::exists(folder.File("gui002.html")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("gui003.html")));
    EXPECT_TRUE(dialogs.messages.empty());

    // The picture taken again shows neither the editor nor the countdown: the bare screen of
    // the virtual display.
    const std::string page = ReadFileBytes(folder.Path() / "gui001.html");
    // An older picture stands in its place, so the new one is seen to replace it.
    QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(folder.File("gui001.png")));
    WatchingClock clock(editor);
    record::X11ScreenCapture screen;
    gui::RecapturePictureCommand(editor.GetSession(), clock, screen);
    // The virtual display's screen without any window of ours.
    editor.hide();
    gui::SyncWithServer();
    const QImage bare = Display().Screen(Display().Root());
    editor.show();
    EXPECT_EQ(clock.mapped, std::vector<bool>(3, false));  // hidden through three seconds
    EXPECT_EQ(ReadPicture(folder.File("gui001.png")), bare);
    EXPECT_EQ(ReadFileBytes(folder.Path() / "gui001.html"), page);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace htmlsim::testing

int main(int argc, char** argv) {
    setenv("DISPLAY", htmlsim::testing::Display().Name().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    // No accessibility bus: the test is about the window, not the controls under the pointer.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
