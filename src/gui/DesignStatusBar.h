#pragma once

class QMainWindow;

namespace htmlsim {
class DesignInteraction;
}

namespace htmlsim::gui {

class PalletWidget;

// The window's status bar: the page point under the pointer with the image and area there
// (`lblPointer`), and the selected area's place and size (`lblSelection`).
void AddDesignStatusBar(QMainWindow& window, PalletWidget& pallet, DesignInteraction& interaction);

}  // namespace htmlsim::gui
