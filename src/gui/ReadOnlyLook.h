#pragma once

#include <QPalette>

namespace htmlsim::gui {

// A box the user only reads: it takes no typing and is drawn on the window's colour, so it does
// not look like one that does (a read-only box alone looks editable in most styles).
template <typename Box>
void ShowReadOnly(Box& box) {
    box.setReadOnly(true);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box.setPalette(palette);
}

}  // namespace htmlsim::gui
