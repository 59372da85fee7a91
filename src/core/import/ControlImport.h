#pragma once

#include <string_view>

#include "import/AttributeTable.h"

namespace htmlsim {

class Dialogs;
class PageControls;

// Each makes the next page control of its kind from an element's attributes and inner text.
// A failure is shown and cuts only that control short: it stays counted with what was set,
// hidden when it failed before being shown, and never left refreshing. OverflowError when the
// page holds as many controls of the kind as it can count.
void ImportLabel(const AttributeTable& attributes, std::string_view innerText,
                 PageControls& controls, Dialogs& dialogs);
void ImportAnchor(const AttributeTable& attributes, std::string_view innerText,
                  PageControls& controls, Dialogs& dialogs);
void ImportInput(const AttributeTable& attributes, std::string_view innerText,
                 PageControls& controls, Dialogs& dialogs);

}  // namespace htmlsim
