#pragma once

#include <string>

namespace htmlsim {

class PageControls;
class Session;

// Removes element `index` of the named array ("Anchor1", "Label1", "Input1") from its section
// of the page and reads the page in again, which rebuilds the controls without it. Nothing
// happens while the page may not change (DesignMayChange says why).
void RemovePageControl(Session& session, PageControls& controls, const std::string& arrayName,
                       int index);

}  // namespace htmlsim
