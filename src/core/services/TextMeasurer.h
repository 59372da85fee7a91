#pragma once

#include <string>
#include <string_view>

namespace htmlsim {

// The font a page control draws its text in.
struct TextFont {
    std::string Name = "Times New Roman";
    double Size = 12;  // points
    // When above 0, the size in pixels instead (as a browser sizes the text); Size is unused.
    double Pixels = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
};

// Width and height of a text in pixels, as it will be drawn.
struct TextExtent {
    double Width = 0;
    double Height = 0;
};

// How large a text is drawn in a font: the page controls size themselves to it. The editor
// measures with the real fonts; tests with a fake that counts characters.
class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;
    virtual TextExtent Measure(std::string_view text, const TextFont& font) const = 0;
};

}  // namespace htmlsim
