#pragma once

#include <string>

#include "linkcheck/LinkReport.h"

namespace htmlsim {

// The flow map as a Graphviz "dot" graph: one box per page, labelled with its name, one arrow
// per link labelled with its click type. Missing pages are red and dashed, orphans dotted, and
// pages with problems of their own orange.
std::string FlowGraphDot(const LinkReport& report);

}  // namespace htmlsim
