#include "controls/PaletteLayout.h"

#include <algorithm>
#include <cmath>

#include "controls/CssColorTable.h"

namespace htmlsim {

PaletteLayout::PaletteLayout(const TextMeasurer& measurer, const TextFont& font, double height) {
    const std::vector<ColorRecord>& colors = CssColors().Rows();
    double lineHeight = 0;
    for (const ColorRecord& color : colors) {
        const TextExtent extent = measurer.Measure(color.Name, font);
        mColumnWidth = std::max(mColumnWidth, extent.Width);
        lineHeight = std::max(lineHeight, extent.Height);
    }
    mRowHeight = lineHeight * 1.2;
    int column = 0;
    int row = 0;
    for (size_t i = 0; i < colors.size(); ++i) {
        // A column takes at least one colour, however low the palette is.
        if (row > 0 && std::nearbyint(row * mRowHeight) + mRowHeight > height) {
            ++column;
            row = 0;
        }
        mCells.push_back({std::nearbyint(column * mColumnWidth), std::nearbyint(row * mRowHeight)});
        ++row;
    }
    mWidth = colors.empty() ? 0 : mCells.back().X + mColumnWidth;
}

std::optional<size_t> PaletteLayout::HitTest(double x, double y) const {
    for (size_t i = 0; i < mCells.size(); ++i) {
        const PaletteCell& cell = mCells[i];
        if (cell.X <= x && x <= cell.X + mColumnWidth && cell.Y <= y && y <= cell.Y + mRowHeight) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace htmlsim
