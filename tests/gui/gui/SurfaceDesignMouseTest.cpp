#include <filesystem>

#include "DesignedPageWindow.h"

namespace htmlsim::gui::testing {
namespace {

// The mouse logic is tested on the core's interaction; here each gesture goes once through
// the window's real widgets, menus and painting.
using SurfaceDesignMouse = DesignedPageWindow;

TEST_F(SurfaceDesignMouse, DrawingAnAreaWritesItsLineAndOutlinesItOnTheCanvas) {
    Choose(QPoint(250, 150), "mnuPalDefineClickableArea");
    LeftDrag(QPoint(250, 150), QPoint(280, 170), 1.0);
    EXPECT_NE(Section("Images").find("COORDS='150,100,180,120'"), std::string::npos)
        << Section("Images");
    const ImageSurface::Outline outline =
        window.DesignTab()->Canvas().Outlines().at(Design().CurrentClickableArea->Index);
    EXPECT_EQ(outline.rect, QRect(250, 150, 30, 20));
    EXPECT_FALSE(window.Interaction().Mouse().DrawMode());
}

TEST_F(SurfaceDesignMouse, DraggingAMapRepaintsTheSurfaceAndMovesItsAreas) {
    const ImageSurface& canvas = window.DesignTab()->Canvas();
    LeftDrag(QPoint(150, 100), QPoint(170, 130), 1.0);
    EXPECT_EQ(Design().Image(1).Left, 120);
    EXPECT_EQ(canvas.Outlines().at(0).rect, QRect(130, 90, 50, 30));
    EXPECT_NE(Section("Images").find("left:120px; top:80px' UseMap='#Map1'/>"), std::string::npos);
    const QImage shown = canvas.RenderImage();
    EXPECT_EQ(shown.pixel(105, 55), qRgb(255, 255, 255));  // where the map was
    EXPECT_EQ(shown.pixel(315, 225), kShotColor);
}

TEST_F(SurfaceDesignMouse, AClickOnAHyperlinkOpensItsNewPage) {
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(450, 100));
    EXPECT_EQ(GetSession().PathAndName(), folder.File("linked.html"));
    EXPECT_TRUE(std::filesystem::exists(folder.File("linked.html")));
    EXPECT_EQ(Design().ImageCount(), 0);
    EXPECT_EQ(window.windowTitle().toStdString(), folder.File("linked.html"));
}

TEST_F(SurfaceDesignMouse, ARightPressOpensTheMenuOfWhatLiesUnderThePointer) {
    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(shownMenu, "mnuPalletProperties");
    EXPECT_FALSE(items["mnuPalCaptureImage"].second);
    EXPECT_TRUE(items["mnuBack"].second);

    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(120, 70));
    EXPECT_EQ(shownMenu, "mnuArea");
    EXPECT_FALSE(items["mnuAreaRightClick"].first);  // a left-click area

    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(450, 100));
    EXPECT_EQ(shownMenu, "mnuImagePropertiesMenu");
    EXPECT_FALSE(items["mnuPalDefineClickableArea"].first);  // a hyperlink has no areas
    EXPECT_TRUE(items["mnuImageDrawBalloon"].first);

    // "Perform Right Click" follows the area's link.
    Choose(QPoint(160, 320), "mnuAreaRightClick");
    EXPECT_EQ(GetSession().PathAndName(), folder.File("right.html"));
}

}  // namespace
}  // namespace htmlsim::gui::testing
