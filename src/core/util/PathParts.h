#pragma once

#include <string>
#include <string_view>

namespace htmlsim {

// A path cut into its folder (up to and including its last separator, or ""), bare name and
// extension (no dot).
struct PathParts {
    std::string folder;
    std::string name;
    std::string extension;
};

// Splits a path at its last `separator` and its name at the last ".". A name without a dot loses
// its surrounding blanks; one with a dot is kept as it stands.
PathParts SplitPathAt(std::string_view path, char separator);

}  // namespace htmlsim
