#include <gtest/gtest.h>

#include "DataTable.h"
#include "DesignTestSupport.h"
#include "surface/HitTest.h"

namespace htmlsim::testing {
namespace {

using DesignMouseTest = DesignTest;

std::vector<std::string> VisibleItems(const PopupMenu& menu) {
    std::vector<std::string> captions;
    for (const MenuItem& item : menu.items) {
        if (item.visible && !item.IsSeparator()) {
            captions.push_back(item.caption);
        }
    }
    return captions;
}

// A missing item fails the test instead of reading as disabled.
bool Enabled(const PopupMenu& menu, const std::string& itemName) {
    const MenuItem* item = menu.Find(itemName);
    EXPECT_NE(item, nullptr) << itemName << " is not in the menu";
    return item != nullptr && item->enabled;
}

TEST_F(DesignMouseTest, DrawingAnAreaOnAnImageMapNamesItLinksItAndWritesItsAreaLine) {
    ASSERT_TRUE(Choose(250, 150, "mnuPalDefineClickableArea"));
    EXPECT_TRUE(Mouse().DrawMode());

    LeftDrag(250.5f, 150, 280, 170.4f, 1.0);
    EXPECT_EQ(session.Design().CurrentClickableArea->Name, "Map1_Area_3");
    // Halves go to even.
    EXPECT_NE(Section("Images").find("<AREA SHAPE='rect' COORDS='150,100,180,120' Title='' "
                                     "HREF='Map1_Area_3.html'/> \r\n</map>"),
              std::string::npos);
    // Each command draws exactly one area: the next press grabs the image instead (beside the new
    // area, whose corner is a handle now).
    Mouse().MouseDown(kLeftButton, 240, 140);
    EXPECT_EQ(Mouse().DragImageIndex(), 1);
    EXPECT_EQ(session.Design().Areas.Count(), 4u);
}

TEST_F(DesignMouseTest, DrawSeveralAreasDrawsUntilEscapeOrARightPressAndNotOnAMereClick) {
    ASSERT_TRUE(Choose(250, 150, "mnuImageDrawSeveralAreas"));
    LeftDrag(150, 100, 170, 120, 1.0);
    LeftDrag(200, 100, 220, 130, 1.0);
    LeftDrag(250, 160, 250, 160, 1.0);  // a click: nothing
    EXPECT_EQ(session.Design().Areas.Count(), 5u);
    EXPECT_NE(Section("Images").find("COORDS='50,50,70,70' Title='' HREF='Map1_Area_3.html'/> "
                                     "\r\n<AREA SHAPE='rect' COORDS='100,50,120,80'"),
              std::string::npos)
        << Section("Images");
    interaction.KeyDown(SurfaceKey::Escape, {});
    EXPECT_FALSE(Mouse().DrawMode());

    interaction.RunCommand("mnuImageDrawSeveralAreas");
    const size_t menus = mouseView.menus.size();
    Mouse().MouseDown(kRightButton, 250, 150);
    EXPECT_FALSE(Mouse().DrawMode());
    EXPECT_EQ(mouseView.menus.size(), menus);  // it ended the drawing, no menu
}

// A hyperlink image has no areas of its own to take along when dragged.
TEST_F(DesignMouseTest, ADraggedHyperlinkImageTakesNoAreas) {
    session.Design().Areas.Item(2)->ImageID = 2;
    LeftDrag(450, 100, 470, 100, 1.0);
    EXPECT_EQ(session.Design().Areas.Item(2)->Left, 110);
}

TEST_F(DesignMouseTest, AnImageStaysInsideTheDeadZoneAndJumpsBeyondIt) {
    Mouse().MouseDown(kLeftButton, 150, 100);
    const size_t paints = surface.paints.size();
    Mouse().MouseMove(kLeftButton, 152, 98);
    EXPECT_EQ(session.Design().Image(1).Left, 100);
    EXPECT_EQ(surface.paints.size(), paints);
    Mouse().MouseMove(kLeftButton, 153, 98);
    EXPECT_EQ(session.Design().Image(1).Top, 48);
    EXPECT_EQ(surface.paints.size(), paints + 2);
}

// tests/data/session/quick-clicks.txt
TEST_F(DesignMouseTest, AQuickClickFollowsTheLinkUnderThePointerForItsButton) {
    for (const auto& row : DataTable("session/quick-clicks.txt")) {
        const int button = row.at(0) == "middle" ? kMiddleButton : kLeftButton;
        const float x = std::stof(row.at(1)), y = std::stof(row.at(2));
        session.OpenDocument(File("index.html"));
        session.SwitchTab(kImageDesignTab);
        Mouse().MouseDown(button, x, y);
        now += std::stod(row.at(3));
        Mouse().MouseUp(button, x, y);
        EXPECT_EQ(session.PathAndName(), File(row.at(4))) << x << "," << y;
    }
}

TEST_F(DesignMouseTest, TheRightButtonOpensTheMenuOfWhatLiesUnderThePointer) {
    Mouse().MouseDown(kRightButton, 10, 10);
    EXPECT_FALSE(Enabled(mouseView.menus.at(0), "mnuPalAddAnchor"));  // no command yet
    interaction.SetCommand("mnuPalAddAnchor", [] {});
    interaction.SetCommand("mnuPalCaptureImage", [] {});
    Mouse().MouseDown(kRightButton, 10, 10);
    EXPECT_TRUE(Enabled(mouseView.menus[1], "mnuPalAddAnchor"));
    EXPECT_FALSE(Enabled(mouseView.menus[1], "mnuPalCaptureImage"));

    Mouse().MouseDown(kRightButton, 120, 70);
    EXPECT_EQ(VisibleItems(mouseView.menus[2]), (std::vector<std::string>{"Properties", "Remove"}));

    // Only an image map offers to draw an area of every shape; a canvas hit-tests rectangles.
    Mouse().MouseDown(kRightButton, 250, 150);
    EXPECT_EQ(VisibleItems(mouseView.menus.back()),
              (std::vector<std::string>{"Properties", "Draw an Image Map", "Draw Several Areas",
                                        "Draw a Circle", "Draw a Polygon", "Draw a Balloon"}));
    Mouse().MouseDown(kRightButton, 250, 380);
    EXPECT_EQ(VisibleItems(mouseView.menus.back()),
              (std::vector<std::string>{"Properties", "Draw an Image Map", "Draw Several Areas",
                                        "Draw a Balloon"}));
    session.Design().Image(1).ImageType = kImagePlain;
    Mouse().MouseDown(kRightButton, 250, 150);
    EXPECT_EQ(VisibleItems(mouseView.menus.back()),
              (std::vector<std::string>{"Properties", "Draw a Balloon"}));
}

TEST_F(DesignMouseTest, ARightPressWhileArmedKeepsTheModeAndAMiddlePressGrabsTheImage) {
    Choose(250, 150, "mnuPalDefineClickableArea");
    Mouse().MouseDown(kRightButton, 250, 150);
    EXPECT_TRUE(Mouse().DrawMode());
    Mouse().MouseDown(kMiddleButton, 250, 150);
    EXPECT_EQ(Mouse().DragImageIndex(), 1);
    EXPECT_EQ(session.Design().Areas.Count(), 3u);
}

// Draw mode armed, a press held, a click pending: none of them reaches the page read next.
TEST_F(DesignMouseTest, MouseStateEndsWithThePageItWasOn) {
    Choose(250, 150, "mnuPalDefineClickableArea");
    session.OpenDocument(File("index.html"));
    session.SwitchTab(kImageDesignTab);
    const std::string opened = session.DocumentText();
    LeftDrag(250, 150, 280, 170, 1.0);
    EXPECT_EQ(session.Design().Areas.Count(), 3u);
    EXPECT_EQ(session.Design().Image(1).Left, 130);
    EXPECT_NE(Section("Images").find("COORDS='10,10,60,40'"), std::string::npos)
        << Section("Images");

    Mouse().MouseMove(0, 300, 300);
    EXPECT_EQ(session.Design().Image(1).Left, 130);

    Mouse().MouseDown(kLeftButton, 450, 100);
    session.OpenDocument(File("index.html"));
    session.SwitchTab(kImageDesignTab);
    Mouse().MouseMove(kLeftButton, 200, 200);
    Mouse().MouseUp(kLeftButton, 200, 200);
    EXPECT_EQ(session.PathAndName(), File("index.html"));
    EXPECT_EQ(session.DocumentText(), opened);
}

// The platform reports a double click as a press, a release, a double click and a release.
TEST_F(DesignMouseTest, TheSecondPressOfADoubleClickStartsNothing) {
    const auto doubleClick = [this](float x, float y) {
        ClickAt(x, y);
        Mouse().DoubleClick(kLeftButton, x, y);
        Mouse().MouseUp(kLeftButton, x, y);
        Mouse().Click();
    };
    std::string linked = session.DocumentText();
    linked.replace(linked.find("HREF='linked.html'"), 18, "HREF='third.html'");
    Write("linked.html", linked);
    doubleClick(450, 100);
    EXPECT_EQ(session.PathAndName(), File("linked.html"));

    Choose(250, 150, "mnuPalDefineClickableArea");
    doubleClick(250, 150);
    EXPECT_EQ(session.PathAndName(), File("linked.html"));
    EXPECT_EQ(session.Design().Areas.Count(), 4u);
}

TEST_F(DesignMouseTest, TheMouseIsIgnoredWhileADocumentIsLoaded) {
    session.SetLoadingSection(true);
    Mouse().MouseDown(kRightButton, 10, 10);
    Mouse().MouseDown(kLeftButton, 150, 100);
    Mouse().MouseMove(kLeftButton, 170, 130);
    EXPECT_TRUE(mouseView.menus.empty());
    EXPECT_EQ(Mouse().DragImageIndex(), 0);
    EXPECT_EQ(Mouse().LastMouseX(), 0);
}

TEST(HitTestImage, EdgesAreOutsideAndTheLowerNumberWinsAnOverlap) {
    PageDesign design;
    for (int corner : {10, 50}) {
        ImageProperties& image = design.AppendImage();
        image.Left = image.Top = corner;
        image.Width = image.Height = 100;
    }
    for (const auto& [x, image] :
         std::vector<std::pair<float, int>>{{10, 0}, {10.5f, 1}, {80, 1}, {110, 2}, {150, 0}}) {
        EXPECT_EQ(HitTestImage(design, x, 80), image) << x;
    }
}

}  // namespace
}  // namespace htmlsim::testing
