#pragma once

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
    bool StartDocumentSaved();

    Session& mSession;
    SimulationProgress& mProgress;
    SimulationScript mScript;
};

}  // namespace htmlsim
