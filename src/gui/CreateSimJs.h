#pragma once

class QMainWindow;

namespace htmlsim {
class Session;
}

namespace htmlsim::gui {

// "Create Sim.js" of the Tools menu: the walk over the session's pages, with a progress dialog
// over the window that shows how many pages have been visited and which one is being read. The
// status bar then names the script written.
void CreateSimJs(Session& session, QMainWindow& window);

}  // namespace htmlsim::gui
