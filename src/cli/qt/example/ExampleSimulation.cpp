#include "example/ExampleSimulation.h"

#include "CliDesign.h"
#include "QtPictures.h"
#include "document/SectionDocument.h"
#include "example/ExamplePictures.h"
#include "services/DesignForms.h"
#include "session/DesignInteraction.h"
#include "session/ImagesSectionUpdate.h"
#include "session/PageControlCommands.h"
#include "simulation/SimulationWalk.h"

namespace htmlsim::cli {

namespace {

// The user's hand on the surface: menus are "seen" and their commands chosen by name; the
// dialogs' edits are made on the drawn area directly, as their Apply would.
class ScriptedHand : public DesignMouseView, public DesignForms {
  public:
    void ShowPopupMenu(const PopupMenu&, float, float) override {}
    bool ShowAreaProperties(AreaPropertiesModel&) override { return true; }
    bool ShowBalloonProperties(BalloonPropertiesModel&) override { return true; }
    bool ShowImageProperties(ImagePropertiesModel&) override { return true; }
};

class ExampleBuilder {
  public:
    ExampleBuilder(CliSession& session, const std::string& folder)
        : mSession(session),
          mFolder(folder),
          mControls(session, session.Dialogs()),
          mInteraction(session.Get(), mHand, mHand) {
        mSession.Get().AttachDesignServices(mSurface, mPictures);
        ConnectPageControls(mInteraction, mControls.Get());
    }

    bool Build() {
        Session& session = mSession.Get();
        session.Start(mFolder + "login.html");
        BuildLoginPage();
        // A page never saved would be offered Save As by the link; it has its name already.
        session.SaveDocument();
        mInteraction.GetNavigation().FollowLink("dashboard.html");
        BuildDashboardPage();
        mInteraction.GetNavigation().FollowLink("settings.html");
        BuildSettingsPage();
        if (!session.SaveDocument() || mSession.ExitStatus() != 0) {
            return false;
        }
        // The walk-through script, made from the first page as Tools > Create Sim.js does.
        session.OpenDocument(mFolder + "login.html");
        session.SwitchTab(kImageDesignTab);
        NoSimulationProgress progress;
        return SimulationWalk(session, progress).RecordSimulation();
    }

  private:
    void BuildLoginPage() {
        TypeImages(
            "<IMG SRC='login.png' Name='Login' BORDER='0' Width='800' Height='500' "
            "STYLE='position:absolute; left:0px; "
            "top:0px' UseMap='#Login'/>\r\n<map name='Login'>\r\n</map>\r\n");
        DrawArea("mnuPalDefineClickableArea", kLoginButton);
        LinkDrawnArea("dashboard.html", "Log in");
        DrawArea("mnuImageDrawBalloon", {560, 250, 220, 70});
        mInteraction.GetSession().Design().CurrentClickableArea->EditBalloon().InnerHTML =
            "Type any name, then click <b>Log in</b>.";
        UpdateImagesSection(mSession.Get());

        PageControls& controls = mControls.Get();
        controls.AddLabel();
        controls.Label1[0].SetStyle(
            "position:absolute; left:20px; top:520px; color:Navy; "
            "font-size:16; font-weight:Bold");
        controls.Label1[0].SetInnerHTML("Welcome to the Acme Portal simulation");
        controls.AddAnchor();
        controls.Anchor1[0].SetHREF("dashboard.html");
        controls.Anchor1[0].SetStyle("position:absolute; left:20px; top:560px");
        controls.Anchor1[0].SetValue("Skip to the dashboard");
        controls.AddInput();
        controls.Input1[0].SetStyle("position:absolute; left:20px; top:600px");
        controls.Input1[0].SetValue("jane.doe");
        controls.AddInput();
        controls.Input1[1].SetType2("checkbox");
        controls.Input1[1].SetStyle("position:absolute; left:20px; top:640px");
        controls.Input1[1].SetValue("remember");
        controls.Input1[1].SetChecked(true);
        controls.UpdateInputsSection();
    }

    void BuildDashboardPage() {
        TypeImages(
            "<canvas id='Canvas_1' SRC='dashboard.png' width='800' Height='500' "
            "style='position:absolute; left:0px; top:0px' OnMouseUp='Canvas_MouseUp(this, "
            "event)' OnMouseMove='Canvas_MouseMove(this, event)'></canvas>\r\n");
        DrawArea("mnuPalDefineClickableArea", kSettingsButton);
        LinkDrawnArea("settings.html", "Settings");
        DrawArea("mnuPalDefineClickableArea", kReportCard);
        LinkDrawnArea("login.html", "Log out");
        mInteraction.GetSession().Design().CurrentClickableArea->SetClickType("right");
        UpdateImagesSection(mSession.Get());
    }

    void BuildSettingsPage() {
        TypeImages(
            "<IMG SRC='settings.png' Name='Settings' BORDER='0' Width='800' "
            "Height='500' STYLE='position:absolute; "
            "left:0px; top:0px' UseMap='#Settings'/>\r\n<map name='Settings'>\r\n</map>\r\n");
        DrawArea("mnuPalDefineClickableArea", kBackButton);
        LinkDrawnArea("javascript:history.back()", "Back");
        DrawCircle(kHomeCentre, kHomeRadius);
        LinkDrawnArea("dashboard.html", "Home");
        DrawPolygon(kLogOutArrow);
        LinkDrawnArea("login.html", "Log out");
    }

    // What typing the body into the Document Editor and going back to the design does.
    void TypeImages(const std::string& body) {
        Session& session = mSession.Get();
        std::string document = session.DocumentText();
        ReplaceSectionBody(document, "Images", body, session.GetDialogs());
        session.SetDocumentText(std::move(document));
        session.SwitchTab(kImageDesignTab);
    }

    // A right press on the image, the menu's drawing command, then a left drag over the place.
    void DrawArea(const std::string& command, const ScreenButton& place) {
        DesignMouse& mouse = ChooseOnImage(command, {place.left, place.top});
        const auto left = static_cast<float>(place.left);
        const auto top = static_cast<float>(place.top);
        mouse.MouseDown(kLeftButton, left, top);
        mouse.MouseMove(kLeftButton, left + place.width, top + place.height);
        mouse.MouseUp(kLeftButton, left + place.width, top + place.height);
        mouse.Click();
    }

    // Pressed at the centre, dragged out to the radius.
    void DrawCircle(const ScreenPoint& centre, int radius) {
        DesignMouse& mouse = ChooseOnImage("mnuImageDrawCircle", centre);
        const auto x = static_cast<float>(centre.x);
        const auto y = static_cast<float>(centre.y);
        mouse.MouseDown(kLeftButton, x, y);
        mouse.MouseMove(kLeftButton, x + static_cast<float>(radius), y);
        mouse.MouseUp(kLeftButton, x + static_cast<float>(radius), y);
        mouse.Click();
    }

    // A click at each corner, then Enter.
    template <size_t N>
    void DrawPolygon(const ScreenPoint (&corners)[N]) {
        DesignMouse& mouse = ChooseOnImage("mnuImageDrawPolygon", corners[0]);
        for (const ScreenPoint& corner : corners) {
            const auto x = static_cast<float>(corner.x);
            const auto y = static_cast<float>(corner.y);
            mouse.MouseDown(kLeftButton, x, y);
            mouse.MouseUp(kLeftButton, x, y);
            mouse.Click();
        }
        mInteraction.KeyDown(SurfaceKey::Enter, {});
    }

    // A right press on the image at the point and the menu's command.
    DesignMouse& ChooseOnImage(const std::string& command, const ScreenPoint& at) {
        DesignMouse& mouse = mInteraction.Mouse();
        mouse.MouseDown(kRightButton, static_cast<float>(at.x), static_cast<float>(at.y));
        mouse.MouseUp(kRightButton, static_cast<float>(at.x), static_cast<float>(at.y));
        mInteraction.RunCommand(command);
        return mouse;
    }

    void LinkDrawnArea(const std::string& link, const std::string& title) {
        ClickableArea& area = *mSession.Get().Design().CurrentClickableArea;
        area.LinkAddress = link;
        area.Title = title;
        UpdateImagesSection(mSession.Get());
    }

    CliSession& mSession;
    std::string mFolder;
    NoSurface mSurface;
    QtPictures mPictures;
    CliPageControls mControls;
    ScriptedHand mHand;
    DesignInteraction mInteraction;
};

}  // namespace

bool BuildExampleSimulation(CliSession& session, const std::string& folder) {
    return ExampleBuilder(session, folder).Build();
}

}  // namespace htmlsim::cli
