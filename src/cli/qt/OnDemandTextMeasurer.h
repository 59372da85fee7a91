#pragma once

#include "QtTextMeasurer.h"

namespace htmlsim::cli {

// Fonts can be measured only once Qt's application exists, and making one costs more than
// reading most pages: it is made when the first text is measured, and only then.
class OnDemandTextMeasurer : public TextMeasurer {
  public:
    TextExtent Measure(std::string_view text, const TextFont& font) const override;

  private:
    QtTextMeasurer mMeasurer;
};

}  // namespace htmlsim::cli
