#include "surface/BrowserScale.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "surface/ScaledPointer.h"

namespace htmlsim {
namespace {

TEST(PageCanvasScale, TheLastReadableAssignmentOfThePageWinsOverTheSupportScript) {
    const std::string support = "var mScale = .7;\r\n\r\nfunction GetArea(Left, Top){";
    EXPECT_DOUBLE_EQ(PageCanvasScale(support, "<p>no script</p>"), 0.7);
    EXPECT_DOUBLE_EQ(PageCanvasScale("", "var Areas = new Array();\r\nmScale = 0.5;\r\n"), 0.5);
    EXPECT_DOUBLE_EQ(PageCanvasScale(support, "mScale = .5;\r\nmScale=1.25\r\n"), 1.25);
    EXPECT_DOUBLE_EQ(PageCanvasScale("", ""), 1.0);

    // What cannot be read as the value the page ends with is passed over.
    for (const char* page : {"if (mScale == 2) x();", "mScale = f(2);", "mScale = 2 * k;",
                             "mScale *= 3;", "myScale = 3;", "mScale2 = 3;", "mScale = 0;",
                             "mScale = 1e9;", "mScale = 1.2.3;", "mScale ="}) {
        EXPECT_DOUBLE_EQ(PageCanvasScale(support, page), 0.7) << page;
    }
}

TEST(SupportScriptIn, IsTheFoldersOwnScriptElseTheProgramsOwn) {
    testing::TempFolder folder;
    const std::string path = folder.Path().string() + "/";
    EXPECT_DOUBLE_EQ(PageCanvasScale(SupportScriptIn(path), ""), 0.7);
    testing::WriteFileBytes(folder.File("HTMLSimulation.js"), "var mScale = .5;\r\n");
    EXPECT_DOUBLE_EQ(PageCanvasScale(SupportScriptIn(path), ""), 0.5);
    EXPECT_DOUBLE_EQ(PageCanvasScale(SupportScriptIn(""), ""), 0.7);
}

TEST(CanvasScaling, MapsAroundTheCanvasCornerBothWays) {
    const CanvasScaling scaling{100, 300, 0.7};
    EXPECT_EQ(scaling.ToView(ViewPoint{100, 300}), (ViewPoint{100, 300}));
    const ViewPoint view = scaling.ToView(ViewPoint{200, 350});
    EXPECT_FLOAT_EQ(view.X, 170);
    EXPECT_FLOAT_EQ(view.Y, 335);
    const ViewPoint back = scaling.ToPicture(ViewPoint{170, 335});
    EXPECT_FLOAT_EQ(back.X, 200);
    EXPECT_FLOAT_EQ(back.Y, 350);
    // Edges round on their own, so neighbouring areas keep sharing an edge.
    EXPECT_EQ(scaling.ToView(ShapeBox{110, 310, 30, 20}), (ShapeBox{107, 307, 21, 14}));
    EXPECT_EQ(scaling.ToView(ShapeBox{140, 310, 30, 20}), (ShapeBox{128, 307, 21, 14}));
    EXPECT_EQ(CanvasScaling{}.ToView(ShapeBox{-5, 7, 3, 4}), (ShapeBox{-5, 7, 3, 4}));
}

// An image map at 0,0 (300 x 200) under a canvas at 100,300 (200 x 100) and a second canvas
// at 250,300; areas 0 and 1 on the first canvas, a balloon (2) on it, area 3 on the map.
class ScaledPage : public ::testing::Test {
  protected:
    ScaledPage() {
        AddImage(kImageMap, 0, 0, 300, 200);
        AddImage(kImageCanvas, 100, 300, 200, 100);
        AddImage(kImageCanvas, 250, 300, 200, 100);
        design.Areas.Add("c1", 20, 30, 310, 110, 0, "shapeindex=0", 2);
        design.Areas.Add("c2", 20, 30, 310, 150, 1, "shapeindex=1", 2);
        design.Areas.Add("b", 20, 30, 310, 150, 2, "shapeindex=2", 2)->AreaType = kAreaBalloon;
        design.Areas.Add("m", 20, 30, 10, 10, 3, "shapeindex=3", 1);
    }
    void AddImage(int type, int16_t left, int16_t top, int16_t width, int16_t height) {
        ImageProperties& image = design.AppendImage();
        image.ImageType = type;
        image.Left = left;
        image.Top = top;
        image.Width = width;
        image.Height = height;
    }
    PageDesign design;
};

TEST_F(ScaledPage, OnlyCanvasesAndTheirAreasAreScaled) {
    const BrowserScaleView view(design, 0.7);
    ASSERT_EQ(view.Canvases().size(), 2u);
    EXPECT_EQ(view.Canvases()[0].ImageIndex, 2);
    EXPECT_EQ(view.Canvases()[0].Box, (ShapeBox{100, 300, 200, 100}));

    const CanvasScaling first{100, 300, 0.7};
    EXPECT_EQ(view.ForOutline(0), first);
    EXPECT_EQ(view.ForOutline(1), first);
    EXPECT_EQ(view.ForOutline(2), CanvasScaling{});  // a balloon is a page element
    EXPECT_EQ(view.ForOutline(3), CanvasScaling{});
    EXPECT_EQ(view.ForOutline(9), CanvasScaling{});

    // The canvas's element box decides, edges excluded; where boxes overlap the first canvas
    // wins, as on the surface's hit test.
    EXPECT_EQ(view.At(ViewPoint{150, 350}), first);
    EXPECT_EQ(view.At(ViewPoint{280, 350}), first);
    EXPECT_EQ(view.At(ViewPoint{320, 350}), (CanvasScaling{250, 300, 0.7}));
    EXPECT_EQ(view.At(ViewPoint{100, 350}), CanvasScaling{});
    EXPECT_EQ(view.At(ViewPoint{50, 50}), CanvasScaling{});
}

TEST(ScaledPointer, ADragKeepsTheScalingOfItsPressAndAMovedPictureFollowsOneToOne) {
    const CanvasScaling scaling{100, 300, 0.7};
    ScaledPointer pointer;
    EXPECT_FALSE(pointer.Pressed());
    const ViewPoint pressed = pointer.Press(scaling, ViewPoint{107, 307});
    EXPECT_FLOAT_EQ(pressed.X, 110);
    EXPECT_FLOAT_EQ(pressed.Y, 310);
    // 70 x 35 view pixels drawn at 0.7 are 100 x 50 picture pixels, also beyond the canvas.
    const ViewPoint drawn = pointer.Follow(ViewPoint{177, 342});
    EXPECT_FLOAT_EQ(drawn.X, 210);
    EXPECT_FLOAT_EQ(drawn.Y, 360);
    const ViewPoint outside = pointer.Follow(ViewPoint{387, 307});
    EXPECT_FLOAT_EQ(outside.X, 510);
    const ViewPoint shown = pointer.Shown(ViewPoint{210, 360});
    EXPECT_FLOAT_EQ(shown.X, 177);
    EXPECT_FLOAT_EQ(shown.Y, 342);

    pointer.MovePicture();
    const ViewPoint moved = pointer.Follow(ViewPoint{127, 317});
    EXPECT_FLOAT_EQ(moved.X, 130);
    EXPECT_FLOAT_EQ(moved.Y, 320);
    EXPECT_FLOAT_EQ(pointer.Shown(ViewPoint{130, 320}).X, 127);
    pointer.Release();
    EXPECT_FALSE(pointer.Pressed());
    EXPECT_EQ(pointer.Shown(ViewPoint{210, 360}), (ViewPoint{210, 360}));
    EXPECT_EQ(pointer.Press(CanvasScaling{}, ViewPoint{5, 6}), (ViewPoint{5, 6}));
}

}  // namespace
}  // namespace htmlsim
