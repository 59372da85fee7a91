#include "surface/PopupMenus.h"

#include <algorithm>

namespace htmlsim {

namespace {

MenuItem Item(const char* name, const char* caption) {
    return MenuItem{name, caption};
}

// Commands the surface offers without an action behind them.
MenuItem Inert(const char* name, const char* caption) {
    MenuItem item{name, caption};
    item.enabled = false;
    return item;
}

MenuItem Separator() {
    return MenuItem{};
}

template <typename Items>
auto FindIn(Items& items, const std::string& itemName) {
    auto found = std::find_if(items.begin(), items.end(),
                              [&](const MenuItem& item) { return item.name == itemName; });
    return found == items.end() ? nullptr : &*found;
}

}  // namespace

const MenuItem* PopupMenu::Find(const std::string& itemName) const {
    return FindIn(items, itemName);
}

MenuItem* PopupMenu::Find(const std::string& itemName) {
    return FindIn(items, itemName);
}

PopupMenu PalletMenu() {
    return {"mnuPalletProperties",
            "PalletProperties",
            {Item("mnuFileAddImageFromFTP", "Insert Image From FTP"),
             Item("mnuFileAddImage", "Insert Image From File"),
             Item("mnuPalAddImageFromClipboard", "Paste Image From Clipboard"),
             Inert("mnuPalCaptureImage", "Capture Image From Scanner"),
             Item("mnuPalAddAnchor", "Add Anchor"), Item("mnuPalAddInput", "Add Input Control"),
             Item("mnuPalAddLabel", "Add Label"),
             Inert("mnuPalAddCanvas", "Add Java Controlled Canvas"), Separator(),
             Item("mnuBack", "Back"), Item("mnuForward", "Forward")}};
}

PopupMenu AreaMenu(const ClickableArea& area) {
    PopupMenu menu{"mnuArea",
                   "AreaProperties",
                   {Item("mnuAreaRightClick", "Perform Right Click"),
                    Item("mnuAreaProperties", "Properties"), Item("mnuAreaRemove", "Remove")}};
    menu.items[0].visible = area.ClickType() == "right";
    return menu;
}

PopupMenu ImageMenu(const ImageProperties& image) {
    PopupMenu menu{
        "mnuImagePropertiesMenu",
        "ImageProperties",
        {Item("mnuImageProperties", "Properties"),
         Item("mnuPalDefineClickableArea", "Draw an Image Map"),
         Item("mnuImageDrawSeveralAreas", "Draw Several Areas"),
         Item("mnuImageDrawCircle", "Draw a Circle"), Item("mnuImageDrawPolygon", "Draw a Polygon"),
         Item("mnuImageDrawBalloon", "Draw a Balloon")}};
    const bool hasAreas = image.ImageType == kImageMap || image.ImageType == kImageCanvas;
    menu.Find("mnuPalDefineClickableArea")->visible = hasAreas;
    menu.Find("mnuImageDrawSeveralAreas")->visible = hasAreas;
    // A canvas's script hit-tests rectangles only.
    menu.Find("mnuImageDrawCircle")->visible = image.ImageType == kImageMap;
    menu.Find("mnuImageDrawPolygon")->visible = image.ImageType == kImageMap;
    return menu;
}

}  // namespace htmlsim
