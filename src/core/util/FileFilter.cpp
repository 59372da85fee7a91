#include "util/FileFilter.h"

#include "util/Text.h"

namespace htmlsim {

namespace {

bool SameLetter(char a, char b) {
    return EqualsIgnoreCase({&a, 1}, {&b, 1});
}

}  // namespace

std::vector<FileFilterChoice> ParseFileFilter(const std::string& filter) {
    std::vector<FileFilterChoice> choices;
    if (filter.empty()) {
        return choices;
    }
    const auto items = SplitText(filter, "|");
    for (size_t i = 0; i < items.size(); i += 2) {
        FileFilterChoice choice{std::string(items[i]), {}};
        if (i + 1 < items.size()) {
            for (const auto pattern : SplitText(items[i + 1], ";")) {
                if (!TrimBlanks(pattern).empty()) {
                    choice.patterns.emplace_back(TrimBlanks(pattern));
                }
            }
        }
        choices.push_back(std::move(choice));
    }
    return choices;
}

bool MatchesFilePattern(const std::string& name, const std::string& pattern) {
    if (pattern == "*.*") {
        return true;  // "all files", names without an extension included
    }
    // Iterative wildcard match: remember the last "*" and retry from one character further.
    size_t n = 0;
    size_t p = 0;
    size_t starPattern = std::string::npos;
    size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || SameLetter(pattern[p], name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (starPattern != std::string::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool MatchesFileFilterChoice(const std::string& name, const FileFilterChoice& choice) {
    if (choice.patterns.empty()) {
        return true;
    }
    for (const auto& pattern : choice.patterns) {
        if (MatchesFilePattern(name, pattern)) {
            return true;
        }
    }
    return false;
}

}  // namespace htmlsim
