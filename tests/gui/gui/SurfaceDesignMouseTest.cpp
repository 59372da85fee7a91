#include <QSettings>
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

// A canvas at 100,300 (200 x 100) that the page's script draws at 0.7, with one area at
// 100,50 - 160,90 of its picture, seen with the browser's scale as a previous run chose it.
class ScaledCanvasWindow : public DesignedPageWindow {
  protected:
    ScaledCanvasWindow()
        : DesignedPageWindow(WithScaleRemembered(htmlsim::testing::DesignDocument(
              "<canvas id='Canvas_1' SRC='shot.png' width='200' Height='100' "
              "style='position:absolute; left:100px; top:300px'></canvas>\r\n",
              "var Areas = new Array();\r\nmScale = .7;\r\n"
              "Areas.push('100,50,160,90,far.html,left');\r\n"))) {}
    static std::string WithScaleRemembered(std::string page) {
        QSettings().setValue("view/browserScale", true);
        return page;
    }
    // The choice is remembered; the other tests start with it off.
    ~ScaledCanvasWindow() override { QSettings().remove("view/browserScale"); }
};

TEST_F(ScaledCanvasWindow, AClickAtAnAreasDrawnCentreFollowsIt) {
    EXPECT_TRUE(window.MenuItem("mnuViewBrowserScale")->isChecked());
    const QImage shown = Pallet()->grab().toImage();
    EXPECT_EQ(shown.pixel(105, 305), kShotColor);
    EXPECT_EQ(shown.pixel(235, 365), kShotColor);
    EXPECT_EQ(shown.pixel(250, 380), qRgb(255, 255, 255));  // the canvas beyond its picture

    // The area's drawn box is 170,335 - 212,363; its menu opens at the pointer.
    QPoint menuAt;
    window.Menus().SetChooser([&menuAt](QMenu&, const QPoint& at) {
        menuAt = at;
        return QString();
    });
    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(191, 349));
    EXPECT_EQ(menuAt, Pallet()->mapToGlobal(QPoint(191, 349)));
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(191, 349));
    EXPECT_EQ(GetSession().PathAndName(), folder.File("far.html"));
}

TEST_F(ScaledCanvasWindow, DrawingWritesPicturePixelsAndDraggingMovesThePictureWithThePointer) {
    Choose(QPoint(121, 321), "mnuPalDefineClickableArea");
    LeftDrag(QPoint(121, 321), QPoint(191, 356), 1.0);
    EXPECT_NE(Section("CanvasScript_Top").find("Areas.push('30,30,130,80,"), std::string::npos)
        << Section("CanvasScript_Top");
    const int drawn = Design().CurrentClickableArea->Index;
    EXPECT_EQ(window.DesignTab()->Canvas().Outlines().at(drawn).rect, QRect(130, 330, 100, 50));

    LeftDrag(QPoint(110, 310), QPoint(130, 320), 1.0);
    EXPECT_EQ(Design().Image(1).Left, 120);
    EXPECT_EQ(Design().Image(1).Top, 310);

    window.MenuItem("mnuViewBrowserScale")->setChecked(false);
    EXPECT_EQ(Pallet()->grab().toImage().pixel(315, 405), kShotColor);
}

}  // namespace
}  // namespace htmlsim::gui::testing
