#include <gtest/gtest.h>

#include "linkcheck/FlowLayout.h"

namespace htmlsim {
namespace {

// Page 0 links to pages 1 to 5; page 5 to page 6, which also links back to page 0; page 7 is
// reached by nothing.
TEST(FlowLayout, RowsByClicksFromTheStartWideLayersWrappedUnreachedLast) {
    FlowGraph graph;
    graph.pages.resize(8);
    for (size_t page = 1; page <= 5; ++page) {
        graph.links.push_back({0, page, "left"});
    }
    graph.links.push_back({5, 6, "left"});
    graph.links.push_back({6, 0, "right"});
    const std::vector<FlowPlace> places = LayOutFlowGraph(graph, 3);
    auto place = [&](size_t page) {
        return std::tuple(places[page].row, places[page].column, places[page].rowSize);
    };
    EXPECT_EQ(place(0), std::tuple(0, 0, 1));
    EXPECT_EQ(place(1), std::tuple(1, 0, 3));
    EXPECT_EQ(place(3), std::tuple(1, 2, 3));
    EXPECT_EQ(place(4), std::tuple(2, 0, 2));
    EXPECT_EQ(place(5), std::tuple(2, 1, 2));
    EXPECT_EQ(place(6), std::tuple(3, 0, 1));
    EXPECT_EQ(place(7), std::tuple(4, 0, 1));
}

}  // namespace
}  // namespace htmlsim
