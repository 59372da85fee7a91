#include "surface/SurfaceLayout.h"

#include <gtest/gtest.h>

namespace htmlsim {

TEST(LayoutImageDesignTab, TheSurfaceIsLargerThanItsWindowAndTheBarsHugIt) {
    const TabMetrics tab{800, 600, 20, 15, 15};
    const ImageDesignLayout layout = LayoutImageDesignTab(tab, 255, 240);
    EXPECT_EQ(layout.container, (LayoutRect{0, 450, 800 * 15 - 255, 600 * 15 - 240 - 450}));
    EXPECT_EQ(layout.palletWidth, 940);    // 11745 * 1.2 / 15 = 939.6
    EXPECT_EQ(layout.palletHeight, 1385);  // 8310 * 2.5 / 15
    EXPECT_EQ(layout.vScroll, (LayoutRect{11745, 450, 255, 8310}));
    EXPECT_EQ(layout.hScroll, (LayoutRect{0, 8760, 11745, 240}));
}

TEST(LayoutImageDesignTab, AWindowSmallerThanItsBarsGivesNothingToShow) {
    const ImageDesignLayout layout = LayoutImageDesignTab({10, 10, 20, 15, 15}, 255, 240);
    EXPECT_EQ(layout.container, (LayoutRect{0, 450, 0, 0}));
    EXPECT_EQ(layout.palletWidth, 0);
    EXPECT_EQ(layout.palletHeight, 0);
}

TEST(LayoutDocumentEditorTab, FillsTheTabBelowTheSectionChooserWithAFloor) {
    EXPECT_EQ(LayoutDocumentEditorTab({800, 600, 20, 15, 15}, 100, 300),
              (LayoutRect{10, 550, 800 * 15 - 20, 600 * 15 - 550 - 10}));
    EXPECT_EQ(LayoutDocumentEditorTab({800, 20, 20, 15, 15}, 100, 300).height, 10);
}

TEST(TwipsPerPixel, IsAnInchOfTwipsOverTheDotsPerInchWithinBounds) {
    for (const auto& [dpi, twips] :
         std::vector<std::pair<int, int>>{{96, 15}, {120, 12}, {0, 15}, {5000, 1}}) {
        EXPECT_EQ(TwipsPerPixel(dpi), twips) << dpi;
    }
}

TEST(ScrolledOffset, RunsFromTheNearEdgeToTheFarEdge) {
    // A 1200-pixel surface in a 1000-pixel window (15000 twips).
    for (const auto& [value, offset] :
         std::vector<std::pair<int, int>>{{0, 0}, {50, -100}, {100, -200}, {33, -66}}) {
        EXPECT_EQ(ScrolledOffset(value, 0, 100, 1200, 15000, 15), offset) << value;
    }
    EXPECT_EQ(ScrolledOffset(7, 5, 5, 1200, 15000, 15), 0);
    EXPECT_EQ(ScrolledOffset(100, 0, 100, 0, 0, 15), 0);
}

}  // namespace htmlsim
