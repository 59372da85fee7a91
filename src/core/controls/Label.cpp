#include "controls/Label.h"

#include "controls/HtmlAttribute.h"
#include "util/Text.h"

namespace htmlsim {

Label::Label(const TextMeasurer& measurer, Dialogs& dialogs) : TextControl(measurer, dialogs) {
    Refresh();
}

void Label::Clear() {
    StoreStyle("");
    mID.clear();
    mInnerHTML.clear();
}

std::string Label::HTML() const {
    std::string html = "<Label";
    AppendAttributeIfSet(html, "id", mID);
    AppendAttributeIfSet(html, "style", Style());
    return html + ">" + mInnerHTML + "</Label>";
}

void Label::Refresh() {
    DrawText(mInnerHTML, false);
}

std::string Label::GetPropertyValue(std::string_view name, bool& isEmpty) const {
    const std::string upperName = ToUpperAscii(name);
    if (upperName == "ID") {
        isEmpty = mID.empty();
        return "'" + mID + "'";
    }
    if (upperName == "STYLE") {
        isEmpty = false;
        return "'" + Style() + "'";
    }
    isEmpty = true;
    return "";
}

void Label::SetID(std::string id) {
    mID = std::move(id);
    RaiseChangeHasBeenMade();
}

void Label::SetInnerHTML(std::string innerHTML) {
    mInnerHTML = std::move(innerHTML);
    RaiseChangeHasBeenMade();
    Refresh();
}

}  // namespace htmlsim
