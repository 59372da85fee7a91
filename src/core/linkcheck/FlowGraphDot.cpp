#include "linkcheck/FlowGraphDot.h"

namespace htmlsim {

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

std::string NodeAttributes(const LinkReport& report, const FlowPage& page) {
    std::string attributes = "label=" + Quoted(page.name);
    if (page.state == FlowPageState::Missing) {
        attributes += ", color=red, fontcolor=red, style=dashed";
    } else {
        if (page.state == FlowPageState::Orphan) {
            attributes += ", style=dotted";
        }
        if (report.PageHasProblems(page.name)) {
            attributes += ", color=orange";
        }
    }
    return attributes;
}

}  // namespace

std::string FlowGraphDot(const LinkReport& report) {
    const FlowGraph& graph = report.graph;
    std::string dot = "digraph flow {\n  node [shape=box];\n";
    for (size_t k = 0; k < graph.pages.size(); ++k) {
        dot += "  p" + std::to_string(k) + " [" + NodeAttributes(report, graph.pages[k]) + "];\n";
    }
    for (const FlowLink& link : graph.links) {
        dot += "  p" + std::to_string(link.from) + " -> p" + std::to_string(link.to) +
               " [label=" + Quoted(link.clickType) + "];\n";
    }
    return dot + "}\n";
}

}  // namespace htmlsim
