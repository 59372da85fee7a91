#pragma once

#include <string>
#include <utility>
#include <vector>

namespace htmlsim::testing {

// A small HTML page holding the given sections, in order, each body as given.
std::string PageDocument(const std::vector<std::pair<std::string, std::string>>& sections);

// The sections every page of the editor has, with these bodies for the design's sections.
std::string DesignDocument(const std::string& images, const std::string& canvasTop = "",
                           const std::string& balloons = "");

}  // namespace htmlsim::testing
