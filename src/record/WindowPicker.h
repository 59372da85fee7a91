#pragma once

namespace htmlsim::record {

// The top-level window the user clicks next (the click is taken, not passed on); 0 for a click
// on the desktop itself. Throws RuntimeError when the pointer cannot be taken.
unsigned long PickWindowByClick();

}  // namespace htmlsim::record
