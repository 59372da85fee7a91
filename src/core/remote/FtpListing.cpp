#include "remote/FtpListing.h"

#include <sstream>

#include "util/Text.h"

namespace htmlsim {

namespace {

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

bool IsNavigationEntry(const std::string& name) {
    return name == "." || name == "..";
}

}  // namespace

std::vector<RemoteEntry> ParseMachineListing(const std::string& listing) {
    std::vector<RemoteEntry> entries;
    for (const auto& line : LinesOf(listing)) {
        // The facts end at the first space; the name is everything after it, spaces included.
        const auto space = line.find(' ');
        if (space == std::string::npos) {
            continue;
        }
        const std::string facts = ToLowerAscii(line.substr(0, space));
        const std::string name = line.substr(space + 1);
        if (facts.find("type=cdir;") != std::string::npos ||
            facts.find("type=pdir;") != std::string::npos || IsNavigationEntry(name)) {
            continue;
        }
        const bool isFolder = facts.find("type=dir;") != std::string::npos;
        entries.push_back({name, isFolder});
    }
    return entries;
}

std::vector<RemoteEntry> ParseUnixListing(const std::string& listing) {
    std::vector<RemoteEntry> entries;
    for (const auto& line : LinesOf(listing)) {
        // Eight blank-separated fields come before the name; the name may hold spaces.
        size_t position = 0;
        for (int field = 0; field < 8 && position != std::string::npos; ++field) {
            position = line.find_first_not_of(' ', position);
            position = position == std::string::npos ? position : line.find(' ', position);
        }
        position = position == std::string::npos ? position : line.find_first_not_of(' ', position);
        if (position == std::string::npos) {
            continue;
        }
        std::string name = line.substr(position);
        if (line[0] == 'l') {
            name = name.substr(0, name.find(" -> "));
        }
        if (!IsNavigationEntry(name)) {
            entries.push_back({name, line[0] == 'd'});
        }
    }
    return entries;
}

}  // namespace htmlsim
