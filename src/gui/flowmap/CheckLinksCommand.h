#pragma once

namespace htmlsim::gui {

class frmHTMLImage;
class frmFlowMap;

// "Check Links": checks the simulation from the open page and shows the flow map with the
// problems found; double-clicking a page there opens it in the editor. The open page must be
// a saved local document. Returns the window shown, or nullptr (after a message).
frmFlowMap* ShowCheckLinks(frmHTMLImage& main);

}  // namespace htmlsim::gui
