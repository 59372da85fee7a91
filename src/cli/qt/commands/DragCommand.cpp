#include "CliCommand.h"
#include "CliDesign.h"
#include "QtPictures.h"
#include "services/DesignForms.h"
#include "session/DesignInteraction.h"
#include "util/WholeNumber.h"

namespace htmlsim::cli {

namespace {

// A drag opens no menu and no dialog.
class DraggingHand : public DesignMouseView, public DesignForms {
  public:
    void ShowPopupMenu(const PopupMenu&, float, float) override {}
    bool ShowAreaProperties(AreaPropertiesModel&) override { return false; }
    bool ShowBalloonProperties(BalloonPropertiesModel&) override { return false; }
    bool ShowImageProperties(ImagePropertiesModel&) override { return false; }
};

int16_t Coordinate(const std::string& argument) {
    const std::optional<int16_t> value = WholeNumber16(argument);
    if (!value) {
        throw UsageError();
    }
    return *value;
}

int RunDrag(const std::vector<std::string>& args) {
    if (args.size() != 5) {
        throw UsageError();
    }
    const float fromX = Coordinate(args[1]);
    const float fromY = Coordinate(args[2]);
    const float toX = Coordinate(args[3]);
    const float toY = Coordinate(args[4]);
    CliSession session;
    NoSurface surface;
    QtPictures pictures;
    session.Get().AttachDesignServices(surface, pictures);
    if (!session.OpenExisting(session.DocumentPath(args[0]))) {
        return kExitFailure;
    }
    session.Get().SwitchTab(kImageDesignTab);
    DraggingHand hand;
    // The button is held long enough for a drag, never a click that follows a link.
    double now = 0;
    DesignInteraction interaction(session.Get(), hand, hand, [&now] { return now; });
    DesignMouse& mouse = interaction.Mouse();
    mouse.MouseDown(kLeftButton, fromX, fromY);
    mouse.MouseMove(kLeftButton, toX, toY);
    now += 1;
    mouse.MouseUp(kLeftButton, toX, toY);
    if (!session.Get().SaveDocument()) {
        return kExitFailure;
    }
    return session.ExitStatus();
}

const CliCommandRegistration kDrag(
    {"drag", "PATH X1 Y1 X2 Y2",
     "drags on the design surface of the document at PATH from X1,Y1 to X2,Y2 with the left "
     "button, as a slow drag in the editor does (an image map or a canvas takes its areas "
     "along), and saves the document",
     RunDrag});

}  // namespace
}  // namespace htmlsim::cli
