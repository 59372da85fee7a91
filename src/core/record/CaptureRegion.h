#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace htmlsim {

// The part of the screen a page's picture was taken from, in screen pixels.
struct CaptureRegion {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const CaptureRegion&) const = default;
};

// "X,Y,Width,Height" as the user types it and the region file holds it; none for anything
// else, a width or height below 1 included.
std::optional<CaptureRegion> ParseCaptureRegion(std::string_view text);
std::string CaptureRegionText(const CaptureRegion& region);

// Where a recorded page keeps its region: "name.region" beside "name.html", a file of its own
// so the page keeps the format every page has.
std::string RegionFilePath(const std::string& pagePath);

}  // namespace htmlsim
