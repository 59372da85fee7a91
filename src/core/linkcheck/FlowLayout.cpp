#include "linkcheck/FlowLayout.h"

#include <algorithm>
#include <deque>
#include <map>

namespace htmlsim {

namespace {

constexpr int kUnreached = -1;

std::vector<int> ClicksFromStart(const FlowGraph& graph) {
    std::vector<int> layer(graph.pages.size(), kUnreached);
    std::vector<std::vector<size_t>> next(graph.pages.size());
    for (const FlowLink& link : graph.links) {
        next[link.from].push_back(link.to);
    }
    if (graph.pages.empty()) {
        return layer;
    }
    std::deque<size_t> queue{0};
    layer[0] = 0;
    while (!queue.empty()) {
        const size_t page = queue.front();
        queue.pop_front();
        for (const size_t target : next[page]) {
            if (layer[target] == kUnreached) {
                layer[target] = layer[page] + 1;
                queue.push_back(target);
            }
        }
    }
    const int last = *std::ranges::max_element(layer);
    std::ranges::replace(layer, kUnreached, last + 1);
    return layer;
}

}  // namespace

std::vector<FlowPlace> LayOutFlowGraph(const FlowGraph& graph, int maxColumns) {
    maxColumns = std::max(maxColumns, 1);
    std::map<int, std::vector<size_t>> layers;
    const std::vector<int> layer = ClicksFromStart(graph);
    for (size_t page = 0; page < layer.size(); ++page) {
        layers[layer[page]].push_back(page);
    }
    std::vector<FlowPlace> places(graph.pages.size());
    int row = 0;
    for (const auto& [number, pages] : layers) {
        const int count = static_cast<int>(pages.size());
        for (int k = 0; k < count; ++k) {
            const int rowStart = k - k % maxColumns;
            places[pages[k]] = {row + k / maxColumns, k % maxColumns,
                                std::min(maxColumns, count - rowStart)};
        }
        row += (count + maxColumns - 1) / maxColumns;
    }
    return places;
}

}  // namespace htmlsim
