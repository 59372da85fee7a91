#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/ClickableArea.h"

namespace htmlsim {

// One page of the walk, numbered from 1 in the order the walk first reached it.
struct SimPage {
    int16_t number = 0;
    std::string name;     // the document's file name without extension
    std::string picture;  // SRC of the page's first image, "" without one
    std::string file;     // the document's file name with its extension
};

// What the walk has collected: the pages and copies of their clickable areas, and the script
// "Sim.js" written from them.
class SimulationScript {
  public:
    // Copies of the areas of all pages walked, each with its PageNumber.
    std::vector<ClickableArea> SimAreas;
    std::vector<SimPage> SimPages;

    int16_t SimPageCount() const;

    // The next page number; the areas are copied with it as their PageNumber.
    int16_t AddPage(std::string name, std::string picture, std::string file,
                    const std::vector<ClickableArea>& areas);

    // -1 for the back link (any case); otherwise the number of the first page whose file is the
    // link exactly, 0 when there is none.
    int16_t SimPageIndex(const std::string& link) const;
    // True for the back link too: it is never followed.
    bool SimPageKnown(const std::string& link) const { return SimPageIndex(link) != 0; }

    // Every area's TargetPage from its link, once all pages are known.
    void ResolveTargets();

    // The script: one Areas.push line per area and one walk.push line per page, page by page,
    // every line ending with CR LF.
    std::string Text() const;
};

}  // namespace htmlsim
