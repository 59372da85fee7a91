#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "model/PageDesign.h"
#include "surface/PageControls.h"
#include "text/DocumentCodec.h"

namespace htmlsim::cli {

// A message shown while the design was read, as the JSON gives it.
struct DesignMessage {
    std::string text;
    std::string title;
    std::string icon;  // "critical", "question", "information" or "none"
    size_t count = 1;  // how often it came
    size_t line = 0;   // the document's line it first came at; 0 when it belongs to none
};

// The design as `htmlsim-cli design` prints it: the document's encoding, then images, areas,
// labels, anchors, inputs (none without `controls`) and the messages shown while reading,
// written as they are walked. The design's texts are the document's characters, decoded by its
// codec; the messages are the program's own.
void WriteDesignJson(std::ostream& out, const PageDesign& design, const PageControls* controls,
                     const std::vector<DesignMessage>& messages, const DocumentCodec& codec);

}  // namespace htmlsim::cli
