#include "controls/Anchor.h"

#include "controls/HtmlAttribute.h"
#include "controls/PropertiesDialog.h"
#include "util/Text.h"

namespace htmlsim {

Anchor::Anchor(const TextMeasurer& measurer, Dialogs& dialogs) : TextControl(measurer, dialogs) {
    RedrawText();
}

std::string Anchor::HTML() const {
    std::string html = "<a";
    AppendAttributeIfSet(html, "class", mClass);
    AppendAttributeIfSet(html, "href", mHREF);
    AppendAttributeIfSet(html, "name", mName2);
    AppendAttributeIfSet(html, "target", mTarget);
    AppendAttributeIfSet(html, "style", Style());
    return html + ">" + mValue + "</a>";
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
