#pragma once

class QAction;
class QMenuBar;

namespace htmlsim {
class Session;
}

namespace htmlsim::gui {

class PalletWidget;

// The View menu's "Browser Scale" item (`mnuViewBrowserScale`): the surface shows the page's
// canvases at the scale their script draws them in a browser. Off until chosen; the choice is
// kept in the settings for the next start.
QAction* AddBrowserScaleToggle(QMenuBar& menuBar, Session& session, PalletWidget& pallet);

}  // namespace htmlsim::gui
