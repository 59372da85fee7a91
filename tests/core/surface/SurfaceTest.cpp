#include <gtest/gtest.h>

#include <map>

#include "../controls/MouseGestures.h"
#include "DataTable.h"
#include "DesignBuilder.h"
#include "FakeDialogs.h"
#include "FakeSurface.h"
#include "FakeTextMeasurer.h"
#include "TempFolder.h"
#include "surface/AreaHandles.h"
#include "surface/BalloonLooks.h"
#include "surface/BrowserScale.h"
#include "surface/DesignOperations.h"
#include "surface/PageBackground.h"
#include "surface/PageControls.h"
#include "surface/ScaledPointer.h"
#include "surface/SurfaceLayout.h"
#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

TEST(AreaHandles, EightAroundABoxAndAPullPastTheOppositeEdgeKeepsItAndTheSmallestSize) {
    // {x, y, the left (-1) or right (1) edge, the top (-1) or bottom (1) edge}, clockwise from
    // the top left
    const int expected[8][4] = {{100, 50, -1, -1}, {120, 50, 0, -1}, {140, 50, 1, -1},
                                {140, 65, 1, 0},   {140, 80, 1, 1},  {120, 80, 0, 1},
                                {100, 80, -1, 1},  {100, 65, -1, 0}};
    const AreaGeometry box{{100, 50, 40, 30}, AreaShape()};
    const std::vector<AreaHandle> handles = HandlesOf(box.Box, box.Shape.FittedTo(box.Box));
    ASSERT_EQ(handles.size(), 8u);
    for (size_t i = 0; i < 8; ++i) {
        const auto [x, y, xEdge, yEdge] = expected[i];
        EXPECT_EQ(handles[i].At, (ShapePoint{x, y})) << i;
        EXPECT_EQ(handles[i].XEdge, xEdge) << i;
        EXPECT_EQ(handles[i].YEdge, yEdge) << i;
    }
    const AreaHandle topLeft = *HandleAt(handles, 103, 47);
    EXPECT_EQ(topLeft.At, (ShapePoint{100, 50}));
    EXPECT_EQ(PulledHandle(box, topLeft, 100, 100).Box, (ShapeBox{135, 75, 5, 5}));
    const AreaHandle right = *HandleAt(handles, 140, 65);
    EXPECT_EQ(PulledHandle(box, right, -60, 9).Box, (ShapeBox{100, 50, 5, 30}));
    EXPECT_FALSE(HandleAt(handles, 120, 65));  // the middle is no handle
}

TEST(AreaHandles, ACirclePulledToItsCentreKeepsASmallRing) {
    const AreaShape circle = AreaShape::Circle({50, 50}, 20);
    const AreaGeometry start{circle.Bounds(), circle};
    const AreaHandle top = *HandleAt(HandlesOf(start.Box, circle.FittedTo(start.Box)), 50, 30);
    const AreaGeometry pulled = PulledHandle(start, top, 0, 20);
    const AreaOutline outline = pulled.Shape.FittedTo(pulled.Box);
    EXPECT_EQ(outline.Points.front(), (ShapePoint{50, 50}));
    EXPECT_EQ(outline.Radius, kSmallestRadius);
}

using testing::FakeSurface;

TEST(ShapePool, ReusesHiddenAndUnloadedElementsLowestFirst) {
    FakeSurface surface;
    ShapePool pool;
    for (int expected : {0, 1, 2}) {  // element 0 is taken first
        EXPECT_EQ(pool.NextFreeShapeIndex(surface), expected);
    }
    pool.Unload(surface, 1);
    EXPECT_EQ(surface.VisibleOutlines(), (std::vector<int>{0, 2}));
    EXPECT_EQ(pool.NextFreeShapeIndex(surface), 1);
    EXPECT_EQ(pool.NextFreeShapeIndex(surface), 3);
    pool.Unload(surface, 0);  // element 0 is only hidden
    EXPECT_TRUE(pool.ShapeExists(0));
    EXPECT_EQ(pool.NextFreeShapeIndex(surface), 0);

    pool.Place(surface, 3, 10.4, 20, 30, 40);
    EXPECT_EQ(surface.outlines[3], (FakeSurface::Outline{true, 10, 20, 30, 40}));
    EXPECT_THROW(pool.Place(surface, 3, 0, 0, -1, 5), RuntimeError);
    EXPECT_THROW(pool.Place(surface, 9, 0, 0, 1, 5), RuntimeError);
    pool.Unload(surface, 9);  // not loaded: nothing happens
}

TEST(DesignOperations, RefreshShapeKeepsAreasAtLeastFivePixels) {
    FakeSurface surface;
    PageDesign design;
    const int index = design.Shapes.NextFreeShapeIndex(surface);
    design.CurrentClickableArea = design.Areas.Add("a", -3, 0, 7, 8, index, AreaKey(index), 1);
    RefreshShape(design, surface);
    EXPECT_EQ(design.CurrentClickableArea->Width, 5);
    EXPECT_EQ(design.CurrentClickableArea->Height, 5);
    EXPECT_EQ(surface.outlines[index], (FakeSurface::Outline{true, 8, 7, 5, 5}));
}

TEST(DesignOperations, ClearDesignEmptiesEverythingButKeepsElementZero) {
    FakeSurface surface;
    PageDesign design;
    design.AppendImage();
    EXPECT_THROW(DrawImage(design, surface, 2, RasterOp::Copy), RuntimeError);

    for (int i = 0; i < 3; ++i) {
        const int index = design.Shapes.NextFreeShapeIndex(surface);
        design.Areas.Add("a", 1, 1, 1, 1, static_cast<int16_t>(index), AreaKey(index), 1);
    }
    design.CurrentImage = design.ImagePointer(1);
    ClearDesign(design, surface);
    EXPECT_EQ(design.Areas.Count(), 0u);
    EXPECT_EQ(design.ImageCount(), 0);
    EXPECT_EQ(design.CurrentImage, nullptr);
    EXPECT_EQ(surface.clearCount, 1);
    EXPECT_EQ(surface.outlines.size(), 1u);  // element 0 stays, hidden
    EXPECT_TRUE(surface.VisibleOutlines().empty());
}

// The template's MyStyle.css, read after the page's own style: its missing semicolon and all.
std::string TemplateSheet() {
    return testing::CorpusFile(
        "cli/new-writes-the-template-with-its-support-files/after/site/MyStyle.css");
}

TEST(PageBackground, TheLastBodyRuleOfTheLastSheetWinsAndOthersDoNotCount) {
    const std::string section = "<STYLE>\r\nbody { background-color: #ff0000 }\r\n</STYLE>\r\n";
    EXPECT_EQ(BodyBackground({section}), (SurfaceColor{255, 0, 0}));
    const std::string linked = "/* body { background: blue } */\r\n" + TemplateSheet();
    EXPECT_EQ(BodyBackground({section, linked}), (SurfaceColor{250, 235, 215}));
    EXPECT_EQ(BodyBackground({"h1, BODY {background: url(x.png) #abc no-repeat}"}),
              (SurfaceColor{0xAA, 0xBB, 0xCC}));
    EXPECT_EQ(BodyBackground({"body.dark { background: black } p { color: red"}), std::nullopt);
    EXPECT_EQ(BodyBackground({"body { background-color: notacolour; }"}), std::nullopt);
}

TEST(PageBackground, LabelAndAnchorRulesGiveTheirFontSizeAndWeight) {
    const std::vector<std::string> sheets{"<STYLE>\r\nlabel { font-size: 12pt }\r\n</STYLE>",
                                          TemplateSheet()};
    const SheetFont label = ElementFont(sheets, "label");
    EXPECT_EQ(label.Pixels, 25);
    EXPECT_EQ(label.Bold, true);
    const SheetFont anchor = ElementFont(sheets, "a");
    EXPECT_EQ(anchor.Pixels, 25);
    EXPECT_EQ(anchor.Bold, std::nullopt);  // a:hover and a.Folder are other selectors
    EXPECT_EQ(ElementFont({sheets[0]}, "label").Pixels, 16);
}

TEST(BalloonLooks, ABalloonTakesItsColourRadiusAndContentWithItsLineBreaks) {
    ClickableArea balloon;
    balloon.EditBalloon().BackgroundColor = "Salmon";
    balloon.EditBalloon().BorderRadius = "5px";
    balloon.EditBalloon().InnerHTML = "</br><center>Message Goes</BR>Here</center>";
    const BalloonLook look = BalloonLookOf(balloon);
    EXPECT_EQ(look.Background, (SurfaceColor{250, 128, 114}));
    EXPECT_EQ(look.Radius, 5);
    EXPECT_EQ(look.Html, "<br><center>Message Goes<br>Here</center>");
    balloon.EditBalloon().BackgroundColor = "#12345";
    balloon.EditBalloon().BorderRadius = "-3";
    EXPECT_EQ(BalloonLookOf(balloon).Background, std::nullopt);
    EXPECT_EQ(BalloonLookOf(balloon).Radius, 0);
}

using Texts = std::vector<std::string>;

class PageControlsTest : public ::testing::Test {
  protected:
    testing::FakeTextMeasurer measurer;
    testing::FakeDialogs dialogs;
    std::map<std::string, std::string> sections;
    Texts followed;
    PageControls controls{
        measurer, dialogs,
        [this](const std::string& name, const std::string& body) { sections[name] = body; }};

    void SetUp() override {
        controls.FollowLink = [this](const std::string& href) { followed.push_back(href); };
    }
};

TEST_F(PageControlsTest, NewControlsStackFiftyPixelsFromTheEdgesAndDragsAreWrittenBack) {
    controls.AddLabel();
    controls.AddLabel();
    controls.AddLabel();
    testing::Drag(controls.Label1[2], 2, 2, 32, -18);
    EXPECT_EQ(sections["Labels"],
              "<Label style='position:absolute; left:50px; top:50px'>Label 1</Label>\r\n"
              "<Label style='position:absolute; left:50px; top:66px'>Label 2</Label>\r\n"
              "<Label style='position:absolute; left:80px; top:62px'>Label 3</Label>\r\n");
    controls.AddInput();
    EXPECT_EQ(sections["Inputs"],
              "<input type='Text' value='Input 1' style='position:absolute; left:50px; "
              "top:50px'></input>\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PageControlsTest, AddAnchorGoesBelowTheAnchorsAlreadyThereWhereverTheyStand) {
    for (int i = 0; i < 2; ++i) {
        const int index = controls.NextElement(controls.Anchor1);
        RefreshingScope refreshing(controls.Anchor1[index]);
        controls.Anchor1[index].SetStyle("left:300px; top:" + std::to_string(400 + i) + "px");
    }
    controls.AddAnchor();
    EXPECT_EQ(controls.Anchor1[2].Value(), "Anchor 3");
    EXPECT_EQ(controls.Anchor1.Placement(2).Top, 50 + 2 * 16);
}

TEST_F(PageControlsTest, ClicksFollowLinksAndLabelsStaySilent) {
    controls.AddAnchor();
    controls.AddLabel();
    controls.AddInput();
    testing::Click(controls.Anchor1[0], 1, 1);  // no link: nothing to follow
    controls.Anchor1[0].SetHREF("Next.htm");
    testing::Click(controls.Anchor1[0], 1, 1);
    EXPECT_EQ(followed, Texts{"Next.htm"});

    testing::Click(controls.Label1[0], 1, 1);  // selects it in the editor; nothing is said
    controls.Input1[0].ChildClicked();
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PageControlsTest, RemovingHidesElementZeroAndUnloadsTheRest) {
    for (int i = 0; i < 5; ++i) {
        controls.AddAnchor();
    }
    controls.RemoveAllAnchors();
    EXPECT_EQ(controls.Anchor1.LoadedBound(), 1);

    for (int i = 0; i < 3; ++i) {
        controls.AddLabel();
    }
    controls.UnloadControlsAbove("Label1", 1);
    EXPECT_EQ(controls.Label1.LoadedBound(), 2);
}

TEST_F(PageControlsTest, AFailingWriterOrAFullArrayIsReportedAndNothingBreaks) {
    PageControls broken{measurer, dialogs, [](const std::string&, const std::string&) {
                            throw RuntimeError("Section 'Labels' has no end marker");
                        }};
    broken.AddLabel();
    EXPECT_EQ(broken.LabelCount(), 1);
    EXPECT_EQ(dialogs.MessageTexts().back(), "Section 'Labels' has no end marker");

    controls.Label1.SetCount(32767);
    controls.AddLabel();
    EXPECT_EQ(dialogs.MessageTexts().back(), "Overflow");
    EXPECT_EQ(controls.LabelCount(), 32767);

    // A column that would reach beyond the page counts no control.
    controls.Label1.SetCount(3000);
    controls.AddLabel();
    EXPECT_EQ(controls.LabelCount(), 3000);
    EXPECT_FALSE(controls.Label1[0].IsRefreshing());
}

TEST(LayoutImageDesignTab, TheSurfaceIsLargerThanItsWindowAndTheBarsHugIt) {
    const TabMetrics tab{800, 600, 20, 15, 15};
    const ImageDesignLayout layout = LayoutImageDesignTab(tab, 255, 240);
    EXPECT_EQ(layout.container, (LayoutRect{0, 450, 800 * 15 - 255, 600 * 15 - 240 - 450}));
    EXPECT_EQ(layout.palletWidth, 940);    // 11745 * 1.2 / 15 = 939.6
    EXPECT_EQ(layout.palletHeight, 1385);  // 8310 * 2.5 / 15
    EXPECT_EQ(layout.vScroll, (LayoutRect{11745, 450, 255, 8310}));
    EXPECT_EQ(layout.hScroll, (LayoutRect{0, 8760, 11745, 240}));

    // A window smaller than its bars leaves nothing to show.
    const ImageDesignLayout small = LayoutImageDesignTab({10, 10, 20, 15, 15}, 255, 240);
    EXPECT_EQ(small.container, (LayoutRect{0, 450, 0, 0}));
    EXPECT_EQ(small.palletWidth, 0);
    EXPECT_EQ(small.palletHeight, 0);
}

TEST(LayoutDocumentEditorTab, FillsTheTabBelowTheSectionChooserWithAFloor) {
    EXPECT_EQ(LayoutDocumentEditorTab({800, 600, 20, 15, 15}, 100, 300),
              (LayoutRect{10, 550, 800 * 15 - 20, 600 * 15 - 550 - 10}));
    EXPECT_EQ(LayoutDocumentEditorTab({800, 20, 20, 15, 15}, 100, 300).height, 10);
}

// tests/data/surface/scales.txt
TEST(TwipsScrollAndCanvasScale, AsTheTableSays) {
    const std::string support = "var mScale = .7;\r\n\r\nfunction GetArea(Left, Top){";
    for (const auto& row : testing::DataTable("surface/scales.txt")) {
        if (row.at(0) == "twips") {
            EXPECT_EQ(TwipsPerPixel(std::stoi(row.at(1))), std::stoi(row.at(2))) << row.at(1);
        } else if (row.at(0) == "offset") {
            EXPECT_EQ(ScrolledOffset(std::stoi(row.at(1)), 0, 100, 1200, 15000, 15),
                      std::stoi(row.at(2)))
                << row.at(1);
        } else {
            EXPECT_DOUBLE_EQ(PageCanvasScale(support, row.at(1)), std::stod(row.at(2)))
                << row.at(1);
        }
    }
    EXPECT_EQ(ScrolledOffset(7, 5, 5, 1200, 15000, 15), 0);
    EXPECT_EQ(ScrolledOffset(100, 0, 100, 0, 0, 15), 0);
}

// The last readable assignment of the page wins over the support script.
TEST(PageCanvasScale, ReadsEveryLineOfBothScripts) {
    EXPECT_DOUBLE_EQ(PageCanvasScale("", "var Areas = new Array();\r\nmScale = 0.5;\r\n"), 0.5);
    EXPECT_DOUBLE_EQ(PageCanvasScale("var mScale = .7;", "mScale = .5;\r\nmScale=1.25\r\n"), 1.25);
    EXPECT_DOUBLE_EQ(PageCanvasScale("", ""), 1.0);
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
        testing::AddImage(design, kImageMap, "", {0, 0, 300, 200});
        testing::AddImage(design, kImageCanvas, "", {100, 300, 200, 100});
        testing::AddImage(design, kImageCanvas, "", {250, 300, 200, 100});
        design.Areas.Add("c1", 20, 30, 310, 110, 0, "shapeindex=0", 2);
        design.Areas.Add("c2", 20, 30, 310, 150, 1, "shapeindex=1", 2);
        design.Areas.Add("b", 20, 30, 310, 150, 2, "shapeindex=2", 2)->AreaType = kAreaBalloon;
        design.Areas.Add("m", 20, 30, 10, 10, 3, "shapeindex=3", 1);
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
