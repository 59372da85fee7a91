#pragma once

#include "services/TextMeasurer.h"

namespace htmlsim::testing {

// Every character is Size * 2/3 pixels wide (8 at 12 points, 1.5 times that when bold) and a
// line is Size * 4/3 pixels high (16 at 12 points), so tests can work sizes out by hand.
class FakeTextMeasurer : public TextMeasurer {
  public:
    TextExtent Measure(std::string_view text, const TextFont& font) const override {
        const double charWidth = font.Size * 2 / 3 * (font.Bold ? 1.5 : 1.0);
        return {charWidth * static_cast<double>(text.size()), font.Size * 4 / 3};
    }
};

}  // namespace htmlsim::testing
