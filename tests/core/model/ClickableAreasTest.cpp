#include "model/ClickableAreas.h"

#include <gtest/gtest.h>

#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

TEST(ClickableArea, IsWithinIncludesAllFourEdges) {
    ClickableArea area;
    area.Left = 10;
    area.Top = 20;
    area.Width = 30;
    area.Height = 40;
    EXPECT_TRUE(area.IsWithin(10, 20));
    EXPECT_TRUE(area.IsWithin(40, 60));
    EXPECT_FALSE(area.IsWithin(41, 60));
    EXPECT_FALSE(area.IsWithin(9.5f, 30));

    ClickableArea huge;
    huge.Left = 32000;
    huge.Width = 1000;
    EXPECT_THROW(huge.IsWithin(0, 0), OverflowError);
}

TEST(ClickableArea, ClickTypeIsTrimmedLowerCasedAndOtherwiseLeft) {
    ClickableArea area;
    area.SetClickType("  Right ");
    EXPECT_EQ(area.ClickType(), "right");
    area.SetClickType("middle");
    EXPECT_EQ(area.ClickType(), "left");
}

TEST(ClickableAreas, KeyedInsertionOrderedCollection) {
    ClickableAreas areas;
    auto first = areas.Add("Map_Area_1", 4, 3, 2, 1, 1, AreaKey(1), 7);
    areas.Add("Map_Area_2", 0, 0, 0, 0, 2, AreaKey(2), 1);
    areas.Add("Map_Area_3", 0, 0, 0, 0, 3, "", 1);  // no key
    areas.Add("Map_Area_4", 0, 0, 0, 0, 4, "", 1);  // several may go without one

    EXPECT_EQ(areas.Item("shapeindex=1"), first);
    EXPECT_EQ(areas.GetItem("Map_Area_2")->Index, 2);
    EXPECT_FALSE(areas.NameExists("MAP_AREA_4"));

    EXPECT_THROW(areas.Add("again", 0, 0, 0, 0, 1, AreaKey(1), 1), RuntimeError);
    EXPECT_THROW(areas.Item(5), RuntimeError);
    EXPECT_THROW(areas.Remove("shapeindex=9"), RuntimeError);
    ASSERT_EQ(areas.Count(), 4u);

    areas.Remove("shapeindex=2");
    areas.Remove(3);
    std::vector<std::string> names;
    for (const auto& area : areas) {
        names.push_back(area->Name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Map_Area_1", "Map_Area_3"}));
    areas.Add("reused", 0, 0, 0, 0, 2, AreaKey(2), 1);  // a removed key is free again
    EXPECT_EQ(areas.Item(3)->Name, "reused");
}

}  // namespace
}  // namespace htmlsim
