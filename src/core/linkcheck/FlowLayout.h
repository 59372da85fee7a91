#pragma once

#include <vector>

#include "linkcheck/LinkReport.h"

namespace htmlsim {

// Where a page stands on the flow map: its row, its column in the row, and how many pages
// share the row (so that a row can be centred).
struct FlowPlace {
    int row = 0;
    int column = 0;
    int rowSize = 1;
};

// Layers by the number of clicks from the start page (page 0), so the flow reads from top to
// bottom; pages that no link reaches (orphans) form the last layer. A layer wider than
// `maxColumns` goes on over several rows. Within a row, pages keep the walk's order.
std::vector<FlowPlace> LayOutFlowGraph(const FlowGraph& graph, int maxColumns);

}  // namespace htmlsim
