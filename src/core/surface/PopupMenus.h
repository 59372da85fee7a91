#pragma once

#include <string>
#include <vector>

#include "model/ClickableArea.h"
#include "model/ImageProperties.h"

namespace htmlsim {

// One entry of a pop-up menu: a command (named like its handler's menu item) or a separator.
struct MenuItem {
    std::string name;  // empty for a separator
    std::string caption;
    bool visible = true;
    bool enabled = true;

    bool IsSeparator() const { return name.empty(); }
};

// A pop-up menu of the design surface, its items in the order shown.
struct PopupMenu {
    std::string name;
    std::string caption;
    std::vector<MenuItem> items;

    // The item of that name, or nullptr.
    const MenuItem* Find(const std::string& itemName) const;
    MenuItem* Find(const std::string& itemName);
};

// The menu of a right press on empty surface.
PopupMenu PalletMenu();
// The menu of a right press inside an area or balloon: "Perform Right Click" only for areas
// that demand a right click.
PopupMenu AreaMenu(const ClickableArea& area);
// The menu of a right press on an image outside its areas: "Draw an Image Map" only for image
// maps and canvases, "Draw a Circle" and "Draw a Polygon" only for image maps.
PopupMenu ImageMenu(const ImageProperties& image);

}  // namespace htmlsim
