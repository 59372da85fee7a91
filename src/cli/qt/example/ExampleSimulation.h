#pragma once

#include <string>

namespace htmlsim::cli {

class CliSession;

// Builds the example simulation in `folder` (with its trailing separator) the way a user would
// in the editor: the screens typed into the Images section, areas and a balloon drawn with the
// mouse, links set, page controls added from the surface menu, and each next page reached by
// following its link. Pages: "login.html" (an image map, a balloon, a label, an anchor and two
// inputs), "dashboard.html" (a canvas with a left-click and a right-click area) and
// "settings.html" (an image map whose area goes back), and its walk-through script "Sim.js".
// False when a step failed (with a message).
bool BuildExampleSimulation(CliSession& session, const std::string& folder);

}  // namespace htmlsim::cli
