#pragma once

#include <optional>
#include <string_view>

#include "model/ClickableArea.h"
#include "services/Surface.h"

namespace htmlsim {

// A CSS colour as browsers read it: one of the named colours (any case), #rgb or #rrggbb;
// nullopt for anything else.
std::optional<SurfaceColor> CssColor(std::string_view value);

// How a browser shows the balloon: its colour, radius and content ("</br>", which browsers
// take for a line break, made one).
BalloonLook BalloonLookOf(const ClickableArea& balloon);

}  // namespace htmlsim
