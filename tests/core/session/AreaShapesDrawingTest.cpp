#include <gtest/gtest.h>

#include "DesignTestSupport.h"

namespace htmlsim::testing {
namespace {

// Circles and polygons drawn on the image map of DesignTest (at 100,50, 200 x 150).
using AreaShapesDrawing = DesignTest;
using Points = std::vector<ShapePoint>;

TEST_F(AreaShapesDrawing, ACircleIsDraggedFromItsCentreAndStaysRoundWhenResized) {
    ASSERT_TRUE(Choose(250, 150, "mnuImageDrawCircle"));
    LeftDrag(162, 168, 171.4f, 175.2f, 1.0);  // 9.4 and 7.2 off: radius 11.84
    EXPECT_FALSE(Mouse().DrawMode());
    const ClickableArea& circle = CurrentArea();
    EXPECT_EQ(circle.Shape.Kind(), AreaShapeKind::Circle);
    EXPECT_EQ(circle.Box(), (ShapeBox{150, 156, 24, 24}));
    EXPECT_EQ(surface.outlines.at(circle.Index), (FakeSurface::Outline{true, 150, 156, 24, 24}));
    const AreaOutline& shown = surface.shapes.at(circle.Index);
    EXPECT_EQ(shown.Kind, AreaShapeKind::Circle);
    EXPECT_EQ(shown.Points, Points({{162, 168}}));
    EXPECT_EQ(shown.Radius, 12);
    // Hit where the circle is, not in the corners of its box.
    EXPECT_TRUE(circle.IsWithin(162, 157));
    EXPECT_FALSE(circle.IsWithin(152, 158));

    // Either arrow with Ctrl changes both sides; moving carries the centre along.
    Key(SurfaceKey::Right, false, true);
    Key(SurfaceKey::Down, false, true);
    EXPECT_EQ(circle.Box(), (ShapeBox{150, 156, 26, 26}));
    EXPECT_EQ(surface.shapes.at(circle.Index).Radius, 13);
    Key(SurfaceKey::Left);
    EXPECT_EQ(surface.shapes.at(circle.Index).Points, Points({{162, 169}}));

    // Pressed without a drag it is still a small ring.
    ASSERT_TRUE(Choose(250, 150, "mnuImageDrawCircle"));
    ClickAt(250, 150);
    EXPECT_EQ(CurrentArea().Box(), (ShapeBox{247, 147, 6, 6}));
}

TEST_F(AreaShapesDrawing, APolygonTakesAPointPerClickAndClosesWithEnterOrADoubleClick) {
    ASSERT_TRUE(Choose(250, 150, "mnuImageDrawPolygon"));
    ClickAt(150, 100);
    Mouse().MouseMove(0, 200.4f, 99.6f);
    // The edge to the pointer follows it before the point is placed.
    EXPECT_EQ(surface.shapes.at(CurrentArea().Index).Points, Points({{150, 100}, {200, 100}}));
    ClickAt(200, 100);
    ClickAt(175, 140);
    EXPECT_TRUE(Mouse().DrawMode());
    const std::string before = session.DocumentText();
    Mouse().MouseMove(0, 120, 180);
    EXPECT_EQ(session.DocumentText(), before);  // nothing is written until it is closed
    Key(SurfaceKey::Enter);
    EXPECT_FALSE(Mouse().DrawingPolygon());
    EXPECT_FALSE(Mouse().DrawMode());
    const ClickableArea& triangle = CurrentArea();
    EXPECT_EQ(triangle.Shape.Kind(), AreaShapeKind::Polygon);
    EXPECT_EQ(triangle.Box(), (ShapeBox{150, 100, 50, 40}));
    EXPECT_EQ(surface.shapes.at(triangle.Index).Points,
              Points({{150, 100}, {200, 100}, {175, 140}}));
    EXPECT_NE(session.DocumentText(), before);
    EXPECT_EQ(session.Design().Areas.Count(), 4u);

    // A double click places its point with the first click and closes with the second.
    ASSERT_TRUE(Choose(250, 150, "mnuImageDrawPolygon"));
    ClickAt(110, 150);
    ClickAt(140, 150);
    ClickAt(140, 190);
    Mouse().DoubleClick(kLeftButton, 140, 190);
    Mouse().MouseUp(kLeftButton, 140, 190);
    Mouse().Click();
    EXPECT_FALSE(Mouse().DrawMode());
    EXPECT_EQ(surface.shapes.at(CurrentArea().Index).Points,
              Points({{110, 150}, {140, 150}, {140, 190}}));
    EXPECT_EQ(session.Design().Areas.Count(), 5u);
    // The next press grabs the image again.
    Mouse().MouseDown(kLeftButton, 250, 150);
    EXPECT_EQ(Mouse().DragImageIndex(), 1);
}

}  // namespace
}  // namespace htmlsim::testing
