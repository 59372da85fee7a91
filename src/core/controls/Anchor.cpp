#include "controls/Anchor.h"

#include "controls/HtmlAttribute.h"

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

void Anchor::RedrawText() {
    DrawText(mValue, !mHREF.empty());
}

}  // namespace htmlsim
