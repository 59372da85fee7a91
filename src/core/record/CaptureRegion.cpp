#include "record/CaptureRegion.h"

#include <cstdio>

namespace htmlsim {

std::optional<CaptureRegion> ParseCaptureRegion(std::string_view text) {
    // A line break at the end is how the file is written; nothing else may follow.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.remove_suffix(1);
    }
    const std::string line(text);
    CaptureRegion region;
    char end = 0;
    if (std::sscanf(line.c_str(), "%d,%d,%d,%d%c", &region.x, &region.y, &region.width,
                    &region.height, &end) != 4 ||
        region.width < 1 || region.height < 1) {
        return std::nullopt;
    }
    return region;
}

std::string CaptureRegionText(const CaptureRegion& region) {
    return std::to_string(region.x) + "," + std::to_string(region.y) + "," +
           std::to_string(region.width) + "," + std::to_string(region.height);
}

std::string RegionFilePath(const std::string& pagePath) {
    const size_t slash = pagePath.find_last_of('/');
    const size_t dot = pagePath.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? pagePath.substr(0, dot) : pagePath) + ".region";
}

}  // namespace htmlsim
