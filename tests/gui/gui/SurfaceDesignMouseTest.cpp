#include <filesystem>

#include "DesignedPageWindow.h"

namespace htmlsim::gui::testing {
namespace {

using SurfaceDesignMouse = DesignedPageWindow;

TEST_F(SurfaceDesignMouse, DrawingABalloonAndABackwardsArea) {
    Choose(QPoint(250, 150), "mnuImageDrawBalloon");
    LeftDrag(QPoint(150, 100), QPoint(250, 160), 1.0);
    EXPECT_EQ(
        Section("Balloons"),
        "<div id='Balloon_1' style='position:absolute; z-index:1; left:50px; top:50px; width:100; "
        "height:60px;background-color:salmon; border-radius:5px;' "
        "OnMouseDown=this.style.visibility='hidden'; "
        "OnMouseOut=this.style.visibility='visible';></br><center>Message "
        "Goes</br>Here</center></div>");

    // Dragged from right to left, the area keeps its press point and the smallest size.
    Choose(QPoint(250, 150), "mnuPalDefineClickableArea");
    LeftDrag(QPoint(250, 150), QPoint(200, 120), 1.0);
    EXPECT_NE(Section("Images").find("COORDS='150,100,155,105'"), std::string::npos)
        << Section("Images");
    const ImageSurface::Outline outline =
        window.DesignTab()->Canvas().Outlines().at(Design().CurrentClickableArea->Index);
    EXPECT_EQ(outline.rect, QRect(250, 150, 5, 5));
}

TEST_F(SurfaceDesignMouse, DraggingAMapTakesItsAreasAlongACanvasLeavesThemAfterTheDeadZone) {
    const ImageSurface& canvas = window.DesignTab()->Canvas();
    QTest::mousePress(Pallet(), Qt::LeftButton, {}, QPoint(150, 100));
    QTest::mouseMove(Pallet(), QPoint(152, 98));  // within 4 pixels: nothing moves
    EXPECT_EQ(Design().Image(1).Left, 100);
    QTest::mouseMove(Pallet(), QPoint(153, 98));
    EXPECT_EQ(Design().Image(1).Left, 103);
    QTest::mouseMove(Pallet(), QPoint(170, 130));
    now += 1.0;
    QTest::mouseRelease(Pallet(), Qt::LeftButton, {}, QPoint(170, 130));
    EXPECT_EQ(Design().Image(1).Left, 120);
    EXPECT_EQ(Design().Image(1).Top, 80);
    EXPECT_EQ(canvas.Outlines().at(0).rect, QRect(130, 90, 50, 30));
    EXPECT_NE(Section("Images").find("left:120px; top:80px' UseMap='#Map1'/>"), std::string::npos);
    EXPECT_NE(Section("Images").find("COORDS='10,10,60,40'"), std::string::npos);
    const QImage shown = canvas.RenderImage();
    EXPECT_EQ(shown.pixel(105, 55), qRgb(255, 255, 255));  // where the map was
    EXPECT_EQ(shown.pixel(315, 225), kShotColor);

    LeftDrag(QPoint(150, 350), QPoint(160, 360), 1.0);
    EXPECT_EQ(Design().Image(3).Left, 110);
    EXPECT_EQ(canvas.Outlines().at(1).rect, QRect(110, 310, 30, 20));
}

TEST_F(SurfaceDesignMouse, AQuickClickOnAHyperlinkOpensItsNewPageASlowPressDoesNot) {
    QTest::mousePress(Pallet(), Qt::LeftButton, {}, QPoint(450, 100));
    now += 0.31;
    QTest::mouseRelease(Pallet(), Qt::LeftButton, {}, QPoint(450, 100));
    EXPECT_EQ(GetSession().PathAndName(), folder.File("index.html"));

    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(450, 100));
    EXPECT_EQ(GetSession().PathAndName(), folder.File("linked.html"));
    EXPECT_TRUE(std::filesystem::exists(folder.File("linked.html")));
    EXPECT_EQ(Design().ImageCount(), 0);
    EXPECT_EQ(window.windowTitle().toStdString(), folder.File("linked.html"));
}

TEST_F(SurfaceDesignMouse, ARightPressOpensTheMenuOfWhatLiesUnderThePointer) {
    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(120, 70));
    EXPECT_EQ(shownMenu, "mnuArea");
    EXPECT_FALSE(items["mnuAreaRightClick"].first);  // a left-click area
    EXPECT_TRUE(items["mnuAreaProperties"].second);
    EXPECT_TRUE(items["mnuAreaRemove"].second);

    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(160, 320));
    EXPECT_EQ(shownMenu, "mnuArea");
    EXPECT_TRUE(items["mnuAreaRightClick"].first);

    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(450, 100));
    EXPECT_EQ(shownMenu, "mnuImagePropertiesMenu");
    EXPECT_FALSE(items["mnuPalDefineClickableArea"].first);  // a hyperlink has no areas
    EXPECT_TRUE(items["mnuImageDrawBalloon"].first);

    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(250, 350));
    EXPECT_EQ(shownMenu, "mnuImagePropertiesMenu");
    EXPECT_TRUE(items["mnuPalDefineClickableArea"].first);
    EXPECT_EQ(items.size(), 3u);

    // "Perform Right Click" follows the area's link.
    Choose(QPoint(160, 320), "mnuAreaRightClick");
    EXPECT_EQ(GetSession().PathAndName(), folder.File("right.html"));
}

}  // namespace
}  // namespace htmlsim::gui::testing
