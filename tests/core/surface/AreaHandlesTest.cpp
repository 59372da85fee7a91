#include <gtest/gtest.h>

#include "surface/AreaHandles.h"

namespace htmlsim {
namespace {

TEST(AreaHandles, ABoxPulledPastItsOppositeEdgeKeepsThatEdgeAndTheSmallestSize) {
    const AreaGeometry box{{100, 50, 40, 30}, AreaShape()};
    const std::vector<AreaHandle> handles = HandlesOf(box.Box, box.Shape.FittedTo(box.Box));
    ASSERT_EQ(handles.size(), 8u);
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

}  // namespace
}  // namespace htmlsim
