#pragma once

namespace htmlsim {

class DesignInteraction;
class PageControls;

// Puts the page controls on the design surface of a session: the surface menu's "Add Anchor",
// "Add Input Control" and "Add Label", anchors following their links as areas do, and the
// controls read in and cleared with the design. Adding and dragging wait while the design may
// not change (DesignGate.h).
void ConnectPageControls(DesignInteraction& interaction, PageControls& controls);

}  // namespace htmlsim
