#pragma once

#include <set>
#include <string>
#include <vector>

#include "session/Session.h"
#include "simulation/SimulationProgress.h"
#include "simulation/SimulationScript.h"

namespace htmlsim {

// "Create Sim.js": opens every page reachable from the open document through the links of
// the clickable areas on its first image, one after the other in the session as the user
// would, writes the script "Sim.js" beside the starting document and opens that one again.
// The window is left alone while the walk runs: no page is painted or shown, only the progress
// is reported.
class SimulationWalk {
  public:
    SimulationWalk(Session& session, SimulationProgress& progress);

    // The command. True when Sim.js has been written; the user has been told either way.
    bool RecordSimulation();

    const SimulationScript& Script() const { return mScript; }

  private:
    struct Visit;

    // Visits the page at path and then, depth first in link order, every page its links lead to
    // that has not been visited yet.
    void SimWalk(const std::string& path);
    // Opens and reads one page, records it and returns its links; link is how the page was
    // reached ("" for the starting page), for the message when it cannot be opened.
    Visit VisitPage(const std::string& path, const std::string& link);
    void OpenPage(const std::string& path);
    bool StartDocumentSaved();

    Session& mSession;
    SimulationProgress& mProgress;
    SimulationScript mScript;
    // Full paths already opened: links with a folder part never match a recorded file name, so
    // without this a cycle through them would never end.
    std::set<std::string> mOpened;
};

}  // namespace htmlsim
