#include <gtest/gtest.h>

#include "DesignTestSupport.h"
#include "FakeTextMeasurer.h"
#include "insert/ImageInsertion.h"
#include "insert/ImageInsertionCommands.h"
#include "session/PageControlCommands.h"
#include "session/SessionSectionWriter.h"

namespace htmlsim::testing {
namespace {

class NoClipboard : public Clipboard {
  public:
    PicturePtr GetPicture() override { return nullptr; }
};

// The page of DesignTest with a label added, its page controls and insertion commands on the
// surface as in the editor; then its import counts as stopped at line 12 of the Images section.
class IncompleteImport : public DesignTest {
  protected:
    IncompleteImport() : controls(measurer, dialogs, SessionSectionWriter(session)) {
        ConnectPageControls(interaction, controls);
        AddImageInsertionCommands(interaction, session, clipboard);
        controls.AddLabel();
        session.RecordEdit();
        session.Design().ImportStoppedInSection = "Images";
        session.Design().ImportStoppedAtLine = 12;
    }

    FakeTextMeasurer measurer;
    PageControls controls;
    NoClipboard clipboard;
};

TEST_F(IncompleteImport, EveryDesignChangeSaysWhyOnceAndChangesNothing) {
    const std::string bytes = session.DocumentText();
    const std::vector<std::string> why{
        "The Images section could not be read completely (line 12): repair it in the Document "
        "Editor before changing the design."};
    const auto refused = [&](const std::string& change, const std::function<void()>& make) {
        dialogs.messages.clear();
        make();
        EXPECT_EQ(dialogs.MessageTexts(), why) << change;
        EXPECT_EQ(session.DocumentText(), bytes) << change;
    };

    refused("image drag", [&] { LeftDrag(150, 100, 170, 130, 1.0); });
    EXPECT_EQ(session.Design().Image(1).Left, 100);
    EXPECT_EQ(surface.outlines.at(0), (FakeSurface::Outline{true, 110, 60, 50, 30}));
    for (const char* draw : {"mnuPalDefineClickableArea", "mnuImageDrawSeveralAreas",
                             "mnuImageDrawCircle", "mnuImageDrawPolygon", "mnuImageDrawBalloon"}) {
        refused(draw, [&] { Choose(250, 150, draw); });
        EXPECT_FALSE(Mouse().DrawMode()) << draw;
    }

    dialogs.messages.clear();
    Key(SurfaceKey::Tab);  // selecting changes nothing and says nothing
    EXPECT_TRUE(dialogs.messages.empty());
    refused("keyboard move", [&] { Key(SurfaceKey::Right); });
    refused("keyboard resize", [&] { Key(SurfaceKey::Down, false, true); });
    refused("Delete", [&] { Key(SurfaceKey::Delete); });
    refused("Remove", [&] { Choose(120, 70, "mnuAreaRemove"); });
    refused("area properties", [&] { Choose(120, 70, "mnuAreaProperties"); });
    refused("image properties", [&] { Choose(250, 150, "mnuImageProperties"); });
    EXPECT_EQ(forms.areaDialogs + forms.imageDialogs, 0);
    EXPECT_EQ(session.Design().Areas.Count(), 3u);

    for (const char* add : {"mnuPalAddLabel", "mnuPalAddAnchor", "mnuPalAddInput"}) {
        refused(add, [&] { Choose(10, 10, add); });
    }
    EXPECT_EQ(controls.LabelCount(), 1);
    const ControlPlacement label = controls.Label1.Placement(0);
    refused("label drag", [&] {
        controls.Label1[0].MouseDown(MouseButton::Left, 0, 2, 2);
        controls.Label1[0].MouseMoved(0, 40, 30);
        controls.Label1[0].MouseMoved(0, 60, 50);
        controls.Label1[0].MouseUp(MouseButton::Left, 0, 60, 50);  // no click either
    });
    EXPECT_EQ(controls.Label1.Placement(0).Left, label.Left);

    refused("insertion", [&] { Choose(10, 10, "mnuFileAddImage"); });
    refused("paste", [&] { Choose(10, 10, "mnuPalAddImageFromClipboard"); });
    EXPECT_TRUE(dialogs.asked.empty());  // no picture is asked for in vain
    refused("drop", [&] { DropFiles(session, {File("shot.png")}); });
    EXPECT_EQ(session.Design().ImageCount(), 3);
    refused("undo", [&] { session.UndoCommand(); });

    // Following a link changes no design: a quick click on an area still goes.
    dialogs.messages.clear();
    LeftDrag(120, 70, 120, 70, 0.1);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(session.FileNameOnly(), "next");
}

TEST_F(IncompleteImport, TheDocumentEditorMayUndoTheFaultyEdit) {
    session.SwitchTab(kDocumentEditorTab);
    session.UndoCommand();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(GetSectionText(session.DocumentText(), "Labels"), "");
}

}  // namespace
}  // namespace htmlsim::testing
