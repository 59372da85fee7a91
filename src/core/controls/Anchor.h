#pragma once

#include <string>

#include "controls/TextControl.h"

namespace htmlsim {

class PropertiesDialog;

// A link (an "a" element) on the page: draws its text, underlined when it has a target.
class Anchor : public TextControl {
  public:
    Anchor(const TextMeasurer& measurer, Dialogs& dialogs);

    std::string HTML() const override;
    WrittenValues Values() const override;

    const std::string& Name2() const { return mName2; }
    void SetName2(std::string name);
    const std::string& HREF() const { return mHREF; }
    void SetHREF(std::string href);
    // Not announced: the section catches up with the next change that is.
    const std::string& Class() const { return mClass; }
    void SetClass(std::string cssClass) { mClass = std::move(cssClass); }
    const std::string& Target() const { return mTarget; }
    void SetTarget(std::string target);
    const std::string& Value() const { return mValue; }
    // Redraws even while IsRefreshing.
    void SetValue(std::string value);

    // The menu's "Properties": shows the properties in the dialog and writes every row back,
    // announcing the change once at the end.
    void ShowProperties(PropertiesDialog& dialog);

  protected:
    void RedrawForStyle() override { RedrawText(); }
    bool HasMenu() const override { return true; }

  private:
    void RedrawText();

    std::string mName2;
    std::string mHREF;
    std::string mClass;
    std::string mTarget;
    std::string mValue = "Anchor";
};

}  // namespace htmlsim
