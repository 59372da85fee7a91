#pragma once

namespace htmlsim {

class AreaSelection;

// The keys the design surface answers.
enum class SurfaceKey { Left, Right, Up, Down, Delete, Tab, BackTab, Escape, Enter };

struct KeyModifiers {
    bool shift = false;
    bool control = false;
};

// Pixels an arrow key moves or resizes by, and with Shift held.
inline constexpr int kNudgeStep = 1;
inline constexpr int kLargeNudgeStep = 10;

// Works the key on the selection: arrows move the selected area (Shift: farther), Ctrl+arrows
// resize it (Right and Down grow it), Delete removes it, Tab and Shift+Tab (BackTab) step
// through the areas, Escape selects none; Enter only closes a polygon being drawn (see
// DesignInteraction::KeyDown). Errors go to the caller.
void PressSurfaceKey(AreaSelection& selection, SurfaceKey key, KeyModifiers modifiers);

}  // namespace htmlsim
