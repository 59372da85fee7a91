#pragma once

#include <string_view>

#include "import/AttributeTable.h"

namespace htmlsim {

class Dialogs;
class PageControl;
class PageControls;

// Each makes the next page control of its kind from an element's attributes and inner text.
// A failure is shown and cuts only that control short: it stays counted with what was set,
// hidden when it failed before being shown, and never left refreshing. OverflowError when the
// page holds as many controls of the kind as it can count. Each answers the control it made.
const PageControl& ImportLabel(const AttributeTable& attributes, std::string_view innerText,
                               PageControls& controls, Dialogs& dialogs);
const PageControl& ImportAnchor(const AttributeTable& attributes, std::string_view innerText,
                                PageControls& controls, Dialogs& dialogs);
const PageControl& ImportInput(const AttributeTable& attributes, std::string_view innerText,
                               PageControls& controls, Dialogs& dialogs);

}  // namespace htmlsim
