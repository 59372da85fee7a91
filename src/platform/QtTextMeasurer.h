#pragma once

#include "services/TextMeasurer.h"

namespace htmlsim {

// Measures with the font the control draws in, on the screen's resolution.
class QtTextMeasurer : public TextMeasurer {
  public:
    TextExtent Measure(std::string_view text, const TextFont& font) const override;
};

}  // namespace htmlsim
