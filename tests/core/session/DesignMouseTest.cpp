#include <gtest/gtest.h>

#include "DesignTestSupport.h"
#include "components/FileHelper.h"
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

TEST_F(DesignMouseTest, DrawingAnAreaOnAnImageMapNamesItLinksItAndWritesItsAreaLine) {
    ASSERT_EQ(session.Design().Areas.Count(), 3u);
    Mouse().MouseDown(kRightButton, 250, 150);
    ASSERT_EQ(mouseView.menus.size(), 1u);
    EXPECT_EQ(mouseView.menus[0].name, "mnuImagePropertiesMenu");
    EXPECT_EQ(VisibleItems(mouseView.menus[0]),
              (std::vector<std::string>{"Properties", "Draw an Image Map", "Draw a Balloon"}));
    ASSERT_TRUE(interaction.RunCommand("mnuPalDefineClickableArea"));
    EXPECT_TRUE(Mouse().DrawMode());

    LeftDrag(250.5f, 150, 280, 170.4f, 1.0);
    const ClickableArea& area = *session.Design().CurrentClickableArea;
    EXPECT_EQ(area.Name, "Map1_Area_3");
    EXPECT_EQ(area.LinkAddress, "Map1_Area_3.html");
    EXPECT_EQ(area.Left, 250);  // halves go to even
    EXPECT_EQ(area.Top, 150);
    EXPECT_EQ(area.Width, 30);
    EXPECT_EQ(area.Height, 20);
    EXPECT_TRUE(area.isLinkable);
    EXPECT_EQ(area.ImageID, 1);
    EXPECT_EQ(surface.outlines.at(3), (FakeSurface::Outline{true, 250, 150, 30, 20}));
    EXPECT_NE(Section("Images").find("<AREA SHAPE='rect' COORDS='150,100,180,120' Title='' "
                                     "HREF='Map1_Area_3.html'/> \r\n</map>"),
              std::string::npos);
    EXPECT_TRUE(session.ChangedSinceSaved());
    // Each command draws exactly one area: the next press grabs the image instead.
    EXPECT_FALSE(Mouse().DrawMode());
    Mouse().MouseDown(kLeftButton, 250, 150);
    EXPECT_EQ(Mouse().DragImageIndex(), 1);
    EXPECT_EQ(session.Design().Areas.Count(), 4u);
}

TEST_F(DesignMouseTest, AreasDrawnBackwardsOrWithoutMovingKeepTheirPressPoint) {
    Mouse().MouseDown(kRightButton, 250, 150);
    interaction.RunCommand("mnuPalDefineClickableArea");
    LeftDrag(250, 150, 200, 120, 1.0);
    const ClickableArea& backwards = *session.Design().CurrentClickableArea;
    EXPECT_EQ(backwards.Left, 250);
    EXPECT_EQ(backwards.Width, 5);
    EXPECT_EQ(backwards.Height, 5);

    interaction.RunCommand("mnuPalDefineClickableArea");
    const std::string before = session.DocumentText();
    Mouse().MouseDown(kLeftButton, 120, 180);
    Mouse().MouseUp(kLeftButton, 120, 180);
    const ClickableArea& still = *session.Design().CurrentClickableArea;
    EXPECT_EQ(still.Name, "Map1_Area_4");
    EXPECT_EQ(still.Width, 0);
    EXPECT_EQ(still.Height, 0);
    EXPECT_NE(session.DocumentText(), before);
    EXPECT_NE(Section("Images").find("COORDS='20,130,20,130'"), std::string::npos);
}

TEST_F(DesignMouseTest, ABalloonGetsItsDefaultsInTheBalloonsSection) {
    Mouse().MouseDown(kRightButton, 250, 150);
    interaction.RunCommand("mnuImageDrawBalloon");
    LeftDrag(150, 100, 250, 160, 1.0);
    const ClickableArea& balloon = *session.Design().CurrentClickableArea;
    EXPECT_EQ(balloon.AreaType, kAreaBalloon);
    EXPECT_FALSE(balloon.isLinkable);
    EXPECT_EQ(
        Section("Balloons"),
        "<div id='Balloon_1' style='position:absolute; z-index:1; left:50px; top:50px; width:100; "
        "height:60px;background-color:salmon; border-radius:5px;' "
        "OnMouseDown=this.style.visibility='hidden'; "
        "OnMouseOut=this.style.visibility='visible';></br><center>Message "
        "Goes</br>Here</center></div>");
    // A balloon is no area of the map.
    EXPECT_EQ(Section("Images").find("COORDS='50,50"), std::string::npos);
}

TEST_F(DesignMouseTest, AreasOnACanvasAreNamedAfterItsId) {
    Mouse().MouseDown(kRightButton, 250, 380);
    ASSERT_EQ(session.Design().CurrentImage->Index, 3);
    interaction.RunCommand("mnuPalDefineClickableArea");
    LeftDrag(200, 350, 220, 370, 1.0);
    EXPECT_EQ(session.Design().CurrentClickableArea->Name, "Canvas_3_Area_3");
    EXPECT_NE(Section("CanvasScript_Top").find("Areas.push('100,50,120,70,Canvas_3_Area_3.html"),
              std::string::npos);
}

TEST_F(DesignMouseTest, DraggingAnImageMapTakesItsAreasAlongButACanvasLeavesThem) {
    LeftDrag(150, 100, 170, 130, 1.0);
    const PageDesign& design = session.Design();
    EXPECT_EQ(design.Image(1).Left, 120);
    EXPECT_EQ(design.Image(1).Top, 80);
    EXPECT_EQ(design.Areas.Item(1)->Left, 130);
    EXPECT_EQ(design.Areas.Item(1)->Top, 90);
    EXPECT_EQ(surface.outlines.at(0), (FakeSurface::Outline{true, 130, 90, 50, 30}));
    EXPECT_NE(Section("Images").find("left:120px; top:80px' UseMap='#Map1'/>"), std::string::npos);
    EXPECT_NE(Section("Images").find("COORDS='10,10,60,40'"), std::string::npos);
    EXPECT_EQ(Mouse().DragImageIndex(), 0);
    // The drop repaints every image in order after erasing the dragged one.
    ASSERT_GE(surface.paints.size(), 4u);
    const auto last = surface.paints.end() - 4;
    EXPECT_EQ(last->op, RasterOp::White);
    EXPECT_EQ((last + 1)->left, 120);
    EXPECT_EQ((last + 3)->op, RasterOp::Copy);
    EXPECT_GE(mouseView.repaints, 1);

    LeftDrag(150, 350, 160, 360, 1.0);
    EXPECT_EQ(design.Image(3).Left, 110);
    EXPECT_EQ(design.Areas.Item(2)->Left, 110);
    EXPECT_EQ(design.Areas.Item(3)->Left, 150);
}

TEST_F(DesignMouseTest, AnImageStaysInsideTheDeadZoneAndJumpsBeyondIt) {
    Mouse().MouseDown(kLeftButton, 150, 100);
    const size_t paints = surface.paints.size();
    Mouse().MouseMove(kLeftButton, 152, 98);
    EXPECT_EQ(session.Design().Image(1).Left, 100);
    EXPECT_EQ(surface.paints.size(), paints);
    Mouse().MouseMove(kLeftButton, 153, 98);
    EXPECT_EQ(session.Design().Image(1).Left, 103);
    EXPECT_EQ(session.Design().Image(1).Top, 48);
    EXPECT_EQ(surface.paints.size(), paints + 2);
}

TEST_F(DesignMouseTest, AQuickClickFollowsAHyperlinkAndASlowPressDoesNot) {
    Mouse().MouseDown(kLeftButton, 450, 100);
    now += 0.31;
    Mouse().MouseUp(kLeftButton, 450, 100);
    EXPECT_EQ(session.PathAndName(), File("index.html"));
    EXPECT_EQ(Mouse().DragImageIndex(), 0);
    EXPECT_TRUE(session.ChangedSinceSaved());  // the section was written anew

    Mouse().MouseDown(kLeftButton, 450, 100);
    now += 0.3;
    Mouse().MouseUp(kLeftButton, 450, 100);
    EXPECT_EQ(session.PathAndName(), File("linked.html"));
    EXPECT_TRUE(FileHelper::FileExists(File("linked.html")));
    EXPECT_EQ(session.History()[session.HistoryIndex()], File("linked.html"));
    EXPECT_EQ(session.Design().ImageCount(), 0);
}

TEST_F(DesignMouseTest, AClickOnAMapOrCanvasFollowsTheAreaUnderThePointerForItsButton) {
    Mouse().MouseDown(kLeftButton, 160, 130);  // on the map, outside its area
    Mouse().MouseUp(kLeftButton, 160, 130);
    EXPECT_EQ(session.PathAndName(), File("index.html"));

    Mouse().MouseDown(kLeftButton, 160, 320);  // a right-click area of the canvas
    Mouse().MouseUp(kLeftButton, 160, 320);
    EXPECT_EQ(session.PathAndName(), File("index.html"));

    Mouse().MouseDown(kMiddleButton, 120, 320);  // left-click area, middle button
    Mouse().MouseUp(kMiddleButton, 120, 320);
    EXPECT_EQ(session.PathAndName(), File("index.html"));

    Mouse().MouseDown(kLeftButton, 120, 320);
    Mouse().MouseUp(kLeftButton, 120, 320);
    EXPECT_EQ(session.PathAndName(), File("left.html"));
}

TEST_F(DesignMouseTest, AMapAreaClickOpensItsPage) {
    Mouse().MouseDown(kLeftButton, 110, 60);  // the area's corner counts
    Mouse().MouseUp(kLeftButton, 110, 60);
    EXPECT_EQ(session.PathAndName(), File("next.html"));
}

TEST_F(DesignMouseTest, TheRightButtonOpensTheMenuOfWhatLiesUnderThePointer) {
    Mouse().MouseDown(kRightButton, 10, 10);
    ASSERT_EQ(mouseView.menus.size(), 1u);
    const PopupMenu& pallet = mouseView.menus[0];
    EXPECT_EQ(pallet.name, "mnuPalletProperties");
    EXPECT_EQ(VisibleItems(pallet),
              (std::vector<std::string>{"Insert Image From FTP", "Insert Image From File",
                                        "Paste Image From Clipboard", "Capture Image From Scanner",
                                        "Add Anchor", "Add Input Control", "Add Label",
                                        "Add Java Controlled Canvas", "Back", "Forward"}));
    EXPECT_TRUE(pallet.items[8].IsSeparator());
    EXPECT_FALSE(pallet.Find("mnuPalCaptureImage")->enabled);
    EXPECT_FALSE(pallet.Find("mnuPalAddCanvas")->enabled);
    EXPECT_FALSE(pallet.Find("mnuPalAddAnchor")->enabled);  // no command registered
    EXPECT_TRUE(pallet.Find("mnuBack")->enabled);

    interaction.SetCommand("mnuPalAddAnchor", [] {});
    interaction.SetCommand("mnuPalCaptureImage", [] {});
    Mouse().MouseDown(kRightButton, 10, 10);
    EXPECT_TRUE(mouseView.menus[1].Find("mnuPalAddAnchor")->enabled);
    EXPECT_FALSE(mouseView.menus[1].Find("mnuPalCaptureImage")->enabled);

    Mouse().MouseDown(kRightButton, 120, 70);
    EXPECT_EQ(mouseView.menus[2].name, "mnuArea");
    EXPECT_EQ(VisibleItems(mouseView.menus[2]), (std::vector<std::string>{"Properties", "Remove"}));
    Mouse().MouseDown(kRightButton, 160, 320);
    EXPECT_EQ(VisibleItems(mouseView.menus[3]),
              (std::vector<std::string>{"Perform Right Click", "Properties", "Remove"}));

    // A plain image offers no image map.
    session.Design().Image(1).ImageType = kImagePlain;
    Mouse().MouseDown(kRightButton, 250, 150);
    EXPECT_EQ(VisibleItems(mouseView.menus.back()),
              (std::vector<std::string>{"Properties", "Draw a Balloon"}));

    Mouse().MouseDown(kRightButton, 160, 320);
    interaction.RunCommand("mnuAreaRightClick");
    EXPECT_EQ(session.PathAndName(), File("right.html"));
}

TEST_F(DesignMouseTest, ARightPressWhileArmedKeepsTheModeAndAMiddlePressGrabsTheImage) {
    Mouse().MouseDown(kRightButton, 250, 150);
    interaction.RunCommand("mnuPalDefineClickableArea");
    Mouse().MouseDown(kRightButton, 250, 150);
    EXPECT_TRUE(Mouse().DrawMode());
    Mouse().MouseDown(kMiddleButton, 250, 150);
    EXPECT_EQ(Mouse().DragImageIndex(), 1);
    EXPECT_EQ(session.Design().Areas.Count(), 3u);
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

TEST_F(DesignMouseTest, APressOnEmptySurfaceGrabsNothing) {
    Mouse().MouseDown(kLeftButton, 150, 100);
    Mouse().MouseUp(kLeftButton, 150, 100);
    Mouse().MouseDown(kLeftButton, 5, 5);
    EXPECT_EQ(Mouse().DragImageIndex(), 0);
    EXPECT_EQ(Mouse().GrabOffsetX(), 0);
    Mouse().MouseMove(kLeftButton, 50, 50);
    Mouse().MouseUp(kLeftButton, 50, 50);
    EXPECT_EQ(session.Design().Image(1).Left, 100);
}

TEST(HitTestImage, EdgesAreOutsideAndTheLowerNumberWinsAnOverlap) {
    PageDesign design;
    ImageProperties& first = design.AppendImage();
    first.Left = 10;
    first.Top = 10;
    first.Width = first.Height = 100;
    ImageProperties& second = design.AppendImage();
    second.Left = second.Top = 50;
    second.Width = second.Height = 100;
    EXPECT_EQ(HitTestImage(design, 10, 50), 0);
    EXPECT_EQ(HitTestImage(design, 10.5f, 50), 1);
    EXPECT_EQ(HitTestImage(design, 80, 80), 1);
    EXPECT_EQ(HitTestImage(design, 110, 80), 2);
    EXPECT_EQ(HitTestImage(design, 150, 80), 0);
}

}  // namespace
}  // namespace htmlsim::testing
