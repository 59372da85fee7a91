#pragma once

#include <nlohmann/json.hpp>

#include "text/DocumentCodec.h"

namespace htmlsim::cli {

// The printed design: "encoding" names the document's encoding, and every text of the design
// is the document's characters, decoded by its codec. The messages are the program's own.
nlohmann::ordered_json DecodedDesign(nlohmann::ordered_json design, const DocumentCodec& codec);

}  // namespace htmlsim::cli
