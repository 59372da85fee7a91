#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "controls/CssColorTable.h"
#include "services/TextMeasurer.h"

namespace htmlsim {

// The style panel's four font lists, in the order it shows them.
enum FontList { kFontFamily, kFontSize, kFontWeight, kFontStyle, kFontListCount };

// What one list shows: its text, and whether that text is an entry the user picked (a typed
// text is not).
struct FontListState {
    std::string Text;
    bool Picked = false;
};

// The style panel of the properties dialog: it shows the Style row's text in its font lists
// and colour palette and writes the row anew after every pick, so the user builds a style from
// lists instead of typing it. A sample shows the picked font and colour.
class StylePanel {
  public:
    // The entries of the size, weight and style lists (the family list offers the system's
    // fonts).
    static const std::vector<std::string>& FontSizes();
    static const std::vector<std::string>& FontWeights();
    static const std::vector<std::string>& FontStyles();

    // Shows a style: its font declarations become the lists' texts (nothing picked), its
    // colour selects the palette colour of that name. The sample stays as it is.
    void Load(std::string style);

    // The user picked an entry of a list, or typed into it. Answers whether the style was
    // written anew; it is not when a size given is no number (Refusal says why), and the size
    // before it stays. A size the style had is written as it stands, number or not.
    bool ListChanged(FontList list, std::string text, bool picked);
    // Why the last size given was refused; "" when it was not.
    const std::string& Refusal() const { return mRefusal; }
    // The user clicked a colour of the palette (an index into CssColors()).
    bool ColorPicked(size_t color);

    const std::string& Style() const { return mStyle; }
    const std::array<FontListState, kFontListCount>& Lists() const { return mLists; }
    std::optional<size_t> SelectedColor() const { return mSelectedColor; }
    const TextFont& SampleFont() const { return mSampleFont; }
    ColorNumber SampleColor() const { return mSampleColor; }

  private:
    void Rebuild();

    std::string mStyle;
    std::string mRefusal;
    std::array<FontListState, kFontListCount> mLists;
    std::optional<size_t> mSelectedColor;
    TextFont mSampleFont;
    ColorNumber mSampleColor = RgbColor(0, 0, 0);
};

}  // namespace htmlsim
