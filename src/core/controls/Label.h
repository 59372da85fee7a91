#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/TextControl.h"

namespace htmlsim {

class PropertiesDialog;

// A text label on the page. A click selects it; its menu (Properties, Remove) is the host's.
class Label : public TextControl {
  public:
    Label(const TextMeasurer& measurer, Dialogs& dialogs);

    // Empties Style, ID and InnerHTML; no redraw, no event.
    void Clear();
    std::string HTML() const override;
    WrittenValues Values() const override;
    // Redraws the text and reports its size.
    void Refresh();

    // A property by attribute name ("id" or "style", any case), in single quotes; isEmpty tells
    // whether the property has no value. Other names give "" and count as empty.
    std::string GetPropertyValue(std::string_view name, bool& isEmpty) const;

    // A number kept for the host; not part of the HTML.
    int16_t Key() const { return mKey; }
    void SetKey(int16_t key) { mKey = key; }
    const std::string& ID() const { return mID; }
    void SetID(std::string id);
    const std::string& InnerHTML() const { return mInnerHTML; }
    // Redraws even while IsRefreshing.
    void SetInnerHTML(std::string innerHTML);

    // The menu's "Properties": shows the properties in the dialog and writes every row back,
    // announcing the change once at the end.
    void ShowProperties(PropertiesDialog& dialog);

  protected:
    void RedrawForStyle() override { Refresh(); }

  private:
    int16_t mKey = 0;
    std::string mID;
    std::string mInnerHTML = "Label";
};

}  // namespace htmlsim
