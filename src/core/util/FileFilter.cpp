#include "util/FileFilter.h"

#include <cctype>

namespace htmlsim {

namespace {

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

std::vector<FileFilterChoice> ParseFileFilter(const std::string& filter) {
    std::vector<FileFilterChoice> choices;
    if (filter.empty()) {
        return choices;
    }
    const auto items = SplitAt(filter, '|');
    for (size_t i = 0; i < items.size(); i += 2) {
        FileFilterChoice choice{items[i], {}};
        if (i + 1 < items.size()) {
            for (const auto& pattern : SplitAt(items[i + 1], ';')) {
                if (!Trimmed(pattern).empty()) {
                    choice.patterns.push_back(Trimmed(pattern));
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
