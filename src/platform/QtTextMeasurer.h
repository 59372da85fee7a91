#pragma once

#include <map>
#include <string>
#include <tuple>

#include "services/TextMeasurer.h"

namespace htmlsim {

// Measures with the font the control draws in, on the screen's resolution. Controls measure
// the same few texts again and again (every new label measures its default text), and text
// shaping is slow, so recent answers are kept.
class QtTextMeasurer : public TextMeasurer {
  public:
    TextExtent Measure(std::string_view text, const TextFont& font) const override;

  private:
    using Key = std::tuple<std::string, std::string, double, double, bool, bool, bool>;
    static constexpr size_t kKeptAnswers = 4096;

    mutable std::map<Key, TextExtent> mAnswers;
};

}  // namespace htmlsim
