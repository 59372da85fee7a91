#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace htmlsim {

// A colour as the platform keeps it: red in the low byte, green in the middle, blue above.
using ColorNumber = int32_t;

constexpr ColorNumber RgbColor(int red, int green, int blue) {
    return red + green * 0x100 + blue * 0x10000;
}

// One named colour, as the style editor's palette lists it.
struct ColorRecord {
    std::string Name;  // display form, mixed case ("AliceBlue")
    std::string Hex;   // six upper-case digits, red first, no "#"
    int16_t R = 0;
    int16_t G = 0;
    int16_t B = 0;
};

class ColorTable {
  public:
    // rgb is "red,green,blue" in decimal, as the rows are written below.
    void Add(std::string_view name, std::string_view hex, std::string_view rgb);
    const std::vector<ColorRecord>& Rows() const { return mRows; }

  private:
    std::vector<ColorRecord> mRows;
};

// The 147 named colours of CSS, in the palette's order.
const ColorTable& CssColors();

}  // namespace htmlsim
