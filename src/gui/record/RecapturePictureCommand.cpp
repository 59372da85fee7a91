#include "RecapturePictureCommand.h"

#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <optional>

#include "HiddenWindows.h"
#include "session/Session.h"

namespace htmlsim::gui {

namespace {

std::string OpenPicture(Session& session) {
    const PageDesign& design = session.Design();
    if (design.CurrentImage) {
        return design.CurrentImage->PathAndName();
    }
    return design.ImageCount() > 0 ? design.Image(1).PathAndName() : "";
}

// The countdown's own window goes before the grab: it is no part of the picture.
class HidingCountdown : public ScreenCapture {
  public:
    HidingCountdown(ScreenCapture& screen, QWidget& countdown)
        : mScreen(screen), mCountdown(countdown) {}
    RecordedPicture Grab(const std::optional<CaptureRegion>& region) override {
        mCountdown.hide();
        SyncWithServer();
        return mScreen.Grab(region);
    }

  private:
    ScreenCapture& mScreen;
    QWidget& mCountdown;
};

}  // namespace

void EventLoopCountdownClock::WaitOneSecond() {
    QEventLoop loop;
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec();
}

void RecapturePictureCommand(Session& session, CountdownClock& clock, ScreenCapture& screen) {
    if (session.PathAndName().empty()) {
        session.GetDialogs().Message("Open a page first.", "Re-capture Picture",
                                     MessageIcon::Exclamation);
        return;
    }
    bool replaced = false;
    {
        // The editor goes once the region is settled, and comes back after the grab.
        std::optional<HiddenWindows> hidden;
        QLabel countdown;
        countdown.setObjectName("lblRecaptureCountdown");
        countdown.setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
        HidingCountdown capture{screen, countdown};
        replaced = RecapturePicture(session.PathAndName(), OpenPicture(session),
                                    session.GetDialogs(), clock, capture, [&](int left) {
                                        if (!hidden) {
                                            hidden.emplace();
                                        }
                                        countdown.setText(QString("Capturing in %1...").arg(left));
                                        countdown.show();
                                    });
    }
    if (replaced) {
        session.SwitchTab(kImageDesignTab);
    }
}

}  // namespace htmlsim::gui
