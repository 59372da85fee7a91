#include "surface/DesignOperations.h"

#include <gtest/gtest.h>

#include "FakeSurface.h"
#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

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

}  // namespace
}  // namespace htmlsim
