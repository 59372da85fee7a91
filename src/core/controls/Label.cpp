#include "controls/Label.h"

#include "controls/ControlHtml.h"
#include "controls/PropertiesDialog.h"
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

WrittenValues Label::Values() const {
    WrittenValues values;
    AddValueIfSet(values, "id", mID);
    AddValueIfSet(values, "style", Style());
    values.push_back({0, kElementContent, mInnerHTML});
    return values;
}

std::string Label::HTML() const {
    return ControlHtml("Label", Values());
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

void Label::ShowProperties(PropertiesDialog& dialog) {
    dialog.RefreshForm({"ID", "Style", "InnerHTML"}, {mID, Style(), mInnerHTML});
    dialog.ShowModal();
    {
        RefreshingScope refreshing(*this);
        for (int i = 0; i < dialog.NumberOfItems(); ++i) {
            const std::string name = ToUpperAscii(dialog.ItemName(i));
            std::string value = dialog.ItemValue(i);
            if (name == "ID") {
                SetID(std::move(value));
            } else if (name == "STYLE") {
                SetStyle(std::move(value));
            } else if (name == "INNERHTML") {
                mInnerHTML = std::move(value);
            }
        }
    }
    Refresh();
    RaiseChangeHasBeenMade();
}

}  // namespace htmlsim
