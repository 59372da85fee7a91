#include "controls/Anchor.h"

#include "controls/ControlHtml.h"
#include "controls/PropertiesDialog.h"
#include "util/Text.h"

namespace htmlsim {

Anchor::Anchor(const TextMeasurer& measurer, Dialogs& dialogs) : TextControl(measurer, dialogs) {
    RedrawText();
}

WrittenValues Anchor::Values() const {
    WrittenValues values;
    AddValueIfSet(values, "class", mClass);
    AddValueIfSet(values, "href", mHREF);
    AddValueIfSet(values, "name", mName2);
    AddValueIfSet(values, "target", mTarget);
    AddValueIfSet(values, "style", Style());
    values.push_back({0, kElementContent, mValue});
    return values;
}

std::string Anchor::HTML() const {
    return ControlHtml("a", Values());
}

void Anchor::SetName2(std::string name) {
    mName2 = std::move(name);
    RaiseChangeHasBeenMade();
}

void Anchor::SetHREF(std::string href) {
    mHREF = std::move(href);
    RaiseChangeHasBeenMade();
}

void Anchor::SetTarget(std::string target) {
    mTarget = std::move(target);
    RaiseChangeHasBeenMade();
}

void Anchor::SetValue(std::string value) {
    mValue = std::move(value);
    RedrawText();
    RaiseChangeHasBeenMade();
}

void Anchor::ShowProperties(PropertiesDialog& dialog) {
    dialog.RefreshForm({"Name", "HREF", "Target", "Style", "Value"},
                       {mName2, mHREF, mTarget, Style(), mValue});
    dialog.ShowModal();
    {
        RefreshingScope refreshing(*this);
        for (int i = 0; i < dialog.NumberOfItems(); ++i) {
            const std::string name = ToUpperAscii(dialog.ItemName(i));
            std::string value = dialog.ItemValue(i);
            if (name == "NAME") {
                SetName2(std::move(value));
            } else if (name == "HREF") {
                SetHREF(std::move(value));
            } else if (name == "STYLE") {
                SetStyle(std::move(value));
            } else if (name == "TARGET") {
                SetTarget(std::move(value));
            } else if (name == "VALUE") {
                SetValue(std::move(value));
            }
        }
    }
    RedrawText();
    RaiseChangeHasBeenMade();
}

void Anchor::RedrawText() {
    DrawText(mValue, !mHREF.empty());
}

}  // namespace htmlsim
