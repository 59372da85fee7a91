#pragma once

#include <string>
#include <vector>

namespace htmlsim {

// One choice of a file chooser's filter: "Images|*.jpg;*.gif" gives the description "Images"
// with the patterns "*.jpg" and "*.gif".
struct FileFilterChoice {
    std::string description;
    std::vector<std::string> patterns;
};

// The choices of a "description|patterns|description|patterns..." filter text, in order; a
// description without patterns matches every file.
std::vector<FileFilterChoice> ParseFileFilter(const std::string& filter);

// Whether a file name matches a pattern with "*" and "?" wildcards, ignoring ASCII case.
bool MatchesFilePattern(const std::string& name, const std::string& pattern);

// Whether a file name matches one of the choice's patterns.
bool MatchesFileFilterChoice(const std::string& name, const FileFilterChoice& choice);

}  // namespace htmlsim
