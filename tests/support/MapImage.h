#pragma once

#include <string>
#include <utility>
#include <vector>

namespace htmlsim::testing {

// The Images-section HTML of a 400 x 300 image map at (left, top), with one area per
// (coordinates relative to the image, link).
std::string MapImage(const std::string& src, const std::string& map, int left, int top,
                     const std::vector<std::pair<std::string, std::string>>& areas);

}  // namespace htmlsim::testing
