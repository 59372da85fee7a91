#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "model/PageDesign.h"
#include "surface/PageControls.h"

namespace htmlsim::cli {

// A message shown while the design was read, as the JSON gives it.
struct DesignMessage {
    std::string text;
    std::string title;
    std::string icon;  // "critical", "question", "information" or "none"
};

// The design as `htmlsim-cli design` prints it: images, areas, labels, anchors, inputs (none
// without `controls`) and the messages shown while reading, written as they are walked.
void WriteDesignJson(std::ostream& out, const PageDesign& design, const PageControls* controls,
                     const std::vector<DesignMessage>& messages);

}  // namespace htmlsim::cli
