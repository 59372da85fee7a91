#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "services/TextMeasurer.h"

namespace htmlsim {

// Where the palette draws one colour: the top left of its cell, in pixels.
struct PaletteCell {
    double X = 0;
    double Y = 0;
};

// The palette of the CSS colours: a cell per colour, as wide as the widest name and 1.2 lines
// high, filled down a column in table order and on into the next column when the palette's
// height is reached.
class PaletteLayout {
  public:
    PaletteLayout(const TextMeasurer& measurer, const TextFont& font, double height);

    double ColumnWidth() const { return mColumnWidth; }
    double RowHeight() const { return mRowHeight; }
    // One cell per row of CssColors(), in the same order.
    const std::vector<PaletteCell>& Cells() const { return mCells; }
    // The right edge of the last column.
    double Width() const { return mWidth; }

    // The colour (an index into CssColors()) whose cell holds the point, edges included; on a
    // border between two cells the earlier colour wins.
    std::optional<size_t> HitTest(double x, double y) const;

  private:
    double mColumnWidth = 0;
    double mRowHeight = 0;
    double mWidth = 0;
    std::vector<PaletteCell> mCells;
};

}  // namespace htmlsim
