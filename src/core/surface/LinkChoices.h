#pragma once

#include <string>
#include <vector>

namespace htmlsim {

inline constexpr const char* kBackLink = "javascript:history.back()";

// What a link box offers: going back, then the names of the files in the folder whose extension
// is the given one (any case), sorted by name. A folder that cannot be read offers going back.
std::vector<std::string> LinkChoices(const std::string& folder, const std::string& extension);

}  // namespace htmlsim
