#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace htmlsim {

// How many lines a text adds and removes against another ("+N -M").
struct LineChanges {
    size_t added = 0;
    size_t removed = 0;
};

LineChanges CountLineChanges(std::string_view before, std::string_view after);

// One row of two texts shown side by side: a line of each, or an empty side where a line was
// only added or only removed.
struct SideBySideRow {
    enum class Kind { Same, Changed, Added, Removed };
    Kind kind = Kind::Same;
    std::string before;
    std::string after;
};

std::vector<SideBySideRow> SideBySide(std::string_view before, std::string_view after);

}  // namespace htmlsim
