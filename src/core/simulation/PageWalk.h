#pragma once

#include <functional>
#include <string>

#include "model/PageDesign.h"
#include "simulation/SimulationProgress.h"
#include "simulation/SimulationScript.h"

namespace htmlsim {

// Where the walk gets each page's design from: the editor's session, or the files alone.
class WalkPageReader {
  public:
    virtual ~WalkPageReader() = default;
    // The design of the page at `path`, valid until the next call. Throws with the reason when
    // the page cannot be opened.
    virtual const PageDesign& ReadPage(const std::string& path) = 0;
};

// Told of every page as it is recorded, with its path and the design it was read into.
using WalkedPageHandler =
    std::function<void(const SimPage& page, const std::string& path, const PageDesign& design)>;

// Visits the page at `startPath` and then, depth first in link order, every page the clickable
// areas of each page's first image lead to that has not been visited yet; back links and
// empty links are not followed. Returns the pages and areas with their targets resolved.
// Throws RuntimeError "The page|link '...' cannot be opened: <reason>." when a page cannot be
// read.
SimulationScript WalkPages(const std::string& startPath, WalkPageReader& reader,
                           SimulationProgress& progress, const WalkedPageHandler& onPage = {});

}  // namespace htmlsim
