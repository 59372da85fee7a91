#include "controls/Input.h"

#include <array>
#include <string_view>

#include "controls/ControlHtml.h"
#include "controls/Pixels.h"
#include "services/Dialogs.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

constexpr std::array<std::string_view, 11> kInputTypes = {
    "BUTTON", "FILE",  "CHECKBOX", "HIDDEN", "IMAGE", "PASSWORD",
    "RADIO",  "RESET", "SUBMIT",   "SELECT", "TEXT"};

// The margin around the miniature.
constexpr int16_t kMargin = 7;

bool IsInputType(std::string_view upperType) {
    for (std::string_view type : kInputTypes) {
        if (type == upperType) {
            return true;
        }
    }
    return false;
}

}  // namespace

Input::Input(const TextMeasurer& measurer, Dialogs& dialogs)
    : PageControl(StyleForm::Input, kInputDefaultStyle, measurer, dialogs) {
    ResetDefaults();
    mValue = "Input";
    LayoutChildren();
}

WrittenValues Input::Values() const {
    WrittenValues values;
    AddValueIfSet(values, "src", mSRC);
    AddValueIfSet(values, "name", mName2);
    AddValueIfSet(values, "type", mType2);
    if (mSize > 0) {
        AddValueIfSet(values, "size", std::to_string(mSize));
    }
    if (mMaxLength > 0) {
        AddValueIfSet(values, "maxlength", std::to_string(mMaxLength));
    }
    if (mReadOnly) {
        AddValueIfSet(values, "readonly", "True");
    }
    AddValueIfSet(values, "Title", mTitle);
    AddValueIfSet(values, "value", mValue);
    AddValueIfSet(values, "accept", mAccept);
    if (mChecked && ToUpperAscii(mType2) == "CHECKBOX") {
        AddValueIfSet(values, "Checked", "Checked");
    }
    AddValueIfSet(values, "style", Style());
    values.push_back({0, kElementContent, mCaption});
    return values;
}

std::string Input::HTML() const {
    return ControlHtml("input", Values());
}

void Input::SetType2(const std::string& type) {
    if (!IsInputType(ToUpperAscii(type))) {
        DialogsService().Message("Value Not Understood: '" + type + "'", "", MessageIcon::None);
        return;
    }
    mType2 = type;
}

void Input::SetSRC(std::string src) {
    mSRC = std::move(src);
    RaiseChangeHasBeenMade();
}

void Input::SetValue(std::string value) {
    mValue = std::move(value);
    if (!IsRefreshing()) {
        LayoutChildren();
        RaiseChangeHasBeenMade();
    }
}

void Input::TextBoxEdited(std::string text) {
    mValue = std::move(text);
    mLayout.ChildText = mLayout.Masked ? std::string(mValue.size(), '*') : mValue;
    RaiseChangeHasBeenMade();
}

void Input::CheckBoxClicked(bool checked) {
    mChecked = checked;
    mLayout.Checked = checked;
    RaiseClick();
    RaiseChangeHasBeenMadeEvenWhileRefreshing();
}

void Input::OptionButtonClicked(bool selected) {
    mChecked = selected;
    mLayout.Checked = selected;
    RaiseClick();
}

void Input::ChildClicked() {
    RaiseClick();
}

void Input::ResetDefaults() {
    StoreStyle(kInputDefaultStyle);
    mType2 = "Text";
    mValue = "Text";
    MutableAppearance() = ControlAppearance();
}

void Input::LayoutChildren() {
    // The relayout ends with IsRefreshing False whatever it was, and however it ends.
    RefreshingScope refreshing(*this);
    int16_t height = TextHeight(mValue);
    int16_t width = mSize > 0 ? TextWidth(std::string(mSize, 'W')) : 120;
    InputLayout layout;
    const std::string type = ToUpperAscii(mType2);
    if (type == "TEXT" || type == "PASSWORD") {
        height = ClampedPixels(height * 1.3);
        layout.Child = InputChild::TextBox;
        layout.Masked = type == "PASSWORD";
        layout.ChildText = layout.Masked ? std::string(mValue.size(), '*') : mValue;
    } else if (type == "BUTTON" || type == "SUBMIT") {
        height = ClampedPixels(height * 1.4);
        width = ClampedPixels(TextWidth(mValue) * 1.2);
        layout.Child = InputChild::Button;
        layout.ChildText = type == "SUBMIT" ? "Submit" : mValue;
    } else if (type == "CHECKBOX" || type == "RADIO") {
        width = 15;
        height = 10;
        layout.Child = type == "RADIO" ? InputChild::OptionButton : InputChild::CheckBox;
        layout.ChildText = mValue;
        layout.Checked = mChecked;
    } else if (type == "SELECT") {
        height = ClampedPixels(height * 1.3);
        layout.Child = InputChild::ComboBox;
        layout.ChildText = mValue;
    } else if (type != "FILE" && type != "HIDDEN" && type != "IMAGE" && type != "RESET") {
        mLayout = InputLayout();
        NotifyRedrawn();
        DialogsService().Message("Type Not Understood: '" + mType2 + "'", "", MessageIcon::None);
        return;
    }
    layout.ChildBounds = {kMargin, kMargin, width, height};
    if (layout.Child != InputChild::None && layout.Child != InputChild::OptionButton &&
        !mCaption.empty()) {
        width = PlaceCaption(layout);
    }
    mLayout = std::move(layout);
    NotifyRedrawn();
    RaiseChangeSize(ClampedPixels(2 * kMargin + width), ClampedPixels(2 * kMargin + height));
}

// Puts the caption beside the child, centred on it; answers the width the two take together.
int16_t Input::PlaceCaption(InputLayout& layout) const {
    const PixelRect& child = layout.ChildBounds;
    const int16_t captionHeight = TextHeight(mCaption);
    layout.CaptionVisible = true;
    layout.CaptionText = mCaption;
    layout.CaptionBounds = {ClampedPixels(child.Left + child.Width + kMargin),
                            ClampedPixels(child.Top + (child.Height - captionHeight) / 2.0),
                            TextWidth(mCaption), captionHeight};
    return ClampedPixels(layout.CaptionBounds.Left + layout.CaptionBounds.Width);
}

}  // namespace htmlsim
