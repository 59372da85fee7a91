#include "controls/StylePanel.h"

#include <string_view>

#include "controls/InlineStyle.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

// The declaration each list edits, by FontList.
constexpr std::array<std::string_view, kFontListCount> kListKeys = {"FONT-FAMILY", "FONT-SIZE",
                                                                    "FONT-WEIGHT", "FONT-STYLE"};

std::optional<FontList> ListOfKey(std::string_view upperKey) {
    for (size_t list = 0; list < kListKeys.size(); ++list) {
        if (kListKeys[list] == upperKey) {
            return static_cast<FontList>(list);
        }
    }
    return std::nullopt;
}

// An empty style has no declarations at all (not one empty one), so a pick on it writes only
// the picked declaration.
StyleDeclarations Declarations(std::string style) {
    if (style.empty()) {
        return {};
    }
    return ParseStyle(style, StyleForm::Input);
}

void EnsureKey(StyleDeclarations& declarations, std::string_view upperKey) {
    for (const std::string& key : declarations.Keys) {
        if (ToUpperAscii(key) == upperKey) {
            return;
        }
    }
    declarations.Keys.push_back(ToLowerAscii(upperKey));
    declarations.Values.emplace_back();
}

bool IsFontSize(std::string_view text) {
    try {
        FontSizeValue(text);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

const std::vector<std::string>& StylePanel::FontSizes() {
    static const std::vector<std::string> sizes = [] {
        std::vector<std::string> numbers;
        for (int size = 9; size <= 30; ++size) {
            numbers.push_back(std::to_string(size));
        }
        return numbers;
    }();
    return sizes;
}

const std::vector<std::string>& StylePanel::FontWeights() {
    static const std::vector<std::string> weights = {"Normal", "Bold", "Bolder", "Lighter", "100",
                                                     "200",    "300",  "400",    "500",     "600",
                                                     "700",    "800",  "900"};
    return weights;
}

const std::vector<std::string>& StylePanel::FontStyles() {
    static const std::vector<std::string> styles = {"Normal", "Italic", "Oblique"};
    return styles;
}

void StylePanel::Load(std::string style) {
    mStyle = std::move(style);
    mLists = {};
    mSelectedColor.reset();
    const StyleDeclarations declarations = Declarations(mStyle);
    const std::vector<ColorRecord>& colors = CssColors().Rows();
    for (size_t i = 0; i < declarations.Keys.size(); ++i) {
        const std::string key = ToUpperAscii(declarations.Keys[i]);
        const std::string& value = declarations.Values[i];
        if (const auto list = ListOfKey(key)) {
            mLists[*list].Text = value;
        } else if (key == "COLOR") {
            for (size_t color = 0; color < colors.size(); ++color) {
                if (EqualsIgnoreCase(colors[color].Name, value)) {
                    mSelectedColor = color;
                }
            }
        }
    }
}

bool StylePanel::ListChanged(FontList list, std::string text, bool picked) {
    // A size that is not a number would only make the control complain later.
    if (list == kFontSize && !IsFontSize(text)) {
        mRefusal = "The font size '" + text +
                   "' is not a number of points from above 0 to 2048; the style keeps its size.";
        return false;
    }
    mRefusal.clear();
    mLists[list] = {std::move(text), picked};
    Rebuild();
    return true;
}

bool StylePanel::ColorPicked(size_t color) {
    if (color >= CssColors().Rows().size()) {
        return false;
    }
    mSelectedColor = color;
    Rebuild();
    return true;
}

void StylePanel::Rebuild() {
    const auto& [family, size, weight, fontStyle] = mLists;
    StyleDeclarations declarations = Declarations(mStyle);
    for (size_t list = 0; list < mLists.size(); ++list) {
        if (mLists[list].Picked) {
            EnsureKey(declarations, kListKeys[list]);
        }
    }
    if (mSelectedColor) {
        EnsureKey(declarations, "COLOR");
    }

    std::string style;
    ColorNumber sampleColor = mSampleColor;
    for (size_t i = 0; i < declarations.Keys.size(); ++i) {
        const std::string& key = declarations.Keys[i];
        const std::string upperKey = ToUpperAscii(key);
        if (i > 0) {
            style += "; ";
        }
        if (const auto list = ListOfKey(upperKey)) {
            style += ToLowerAscii(key) + ":" + mLists[*list].Text;
        } else if (upperKey == "COLOR" && mSelectedColor) {
            const ColorRecord& color = CssColors().Rows()[*mSelectedColor];
            style += "color:" + color.Name;
            sampleColor = RgbColor(color.R, color.G, color.B);
        } else {
            // A colour the palette does not name ("#FF0000") stays as written.
            style += key + ":" + declarations.Values[i];
        }
    }

    mStyle = std::move(style);
    mSampleColor = sampleColor;
    if (family.Picked) {
        mSampleFont.Name = family.Text;
    }
    if (size.Picked) {
        mSampleFont.Size = FontSizeValue(size.Text);
    }
    if (weight.Picked) {
        mSampleFont.Bold = weight.Text.starts_with("Bold");
    }
    if (fontStyle.Picked) {
        mSampleFont.Italic = fontStyle.Text == "Italic";
    }
}

}  // namespace htmlsim
