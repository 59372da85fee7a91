#pragma once

#include <cstdint>
#include <string>

#include "controls/InputLayout.h"
#include "controls/PageControl.h"

namespace htmlsim {

class PropertiesDialog;

// An input element (or, for SELECT, a drop-down list) on the page, shown as a miniature of
// the element with its caption beside it.
class Input : public PageControl {
  public:
    Input(const TextMeasurer& measurer, Dialogs& dialogs);

    std::string HTML() const override;
    WrittenValues Values() const override;
    const InputLayout& Layout() const { return mLayout; }

    const std::string& Caption() const { return mCaption; }
    void SetCaption(std::string caption) { mCaption = std::move(caption); }
    const std::string& Accept() const { return mAccept; }
    void SetAccept(std::string accept) { mAccept = std::move(accept); }
    const std::string& Title() const { return mTitle; }
    void SetTitle(std::string title) { mTitle = std::move(title); }
    bool Checked() const { return mChecked; }
    void SetChecked(bool checked) { mChecked = checked; }
    int16_t MaxLength() const { return mMaxLength; }
    void SetMaxLength(int16_t maxLength) { mMaxLength = maxLength; }
    // Kept for the properties, never written to the page.
    bool Disabled() const { return mDisabled; }
    void SetDisabled(bool disabled) { mDisabled = disabled; }
    const std::string& Name2() const { return mName2; }
    void SetName2(std::string name) { mName2 = std::move(name); }
    bool ReadOnly() const { return mReadOnly; }
    void SetReadOnly(bool readOnly) { mReadOnly = readOnly; }
    int16_t Size() const { return mSize; }
    void SetSize(int16_t size) { mSize = size; }
    const std::string& Type2() const { return mType2; }
    // One of the eleven input types in any case, kept as written; anything else is refused
    // with a message.
    void SetType2(const std::string& type);
    const std::string& SRC() const { return mSRC; }
    void SetSRC(std::string src);
    const std::string& Value() const { return mValue; }
    void SetValue(std::string value);

    // The menu's "Properties": the rows its type offers, each written back when the dialog
    // closes; the input is laid out and announces the change once at the end.
    void ShowProperties(PropertiesDialog& dialog);

    // The user working the miniature.
    void TextBoxEdited(std::string text);
    void CheckBoxClicked(bool checked);
    void OptionButtonClicked(bool selected);
    void ChildClicked();

  protected:
    void RedrawForStyle() override { LayoutChildren(); }
    void ApplyEmptyStyle() override { ResetDefaults(); }
    bool HasMenu() const override { return true; }

  private:
    void ResetDefaults();
    void LayoutChildren();
    int16_t PlaceCaption(InputLayout& layout) const;
    void WritePropertyRow(const std::string& upperName, std::string value);

    std::string mCaption;
    std::string mAccept;
    std::string mTitle;
    bool mChecked = false;
    int16_t mMaxLength = 0;
    bool mDisabled = false;
    std::string mName2;
    bool mReadOnly = false;
    int16_t mSize = 0;
    std::string mType2;
    std::string mSRC;
    std::string mValue;
    InputLayout mLayout;
};

}  // namespace htmlsim
