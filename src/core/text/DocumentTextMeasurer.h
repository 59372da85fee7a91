#pragma once

#include "services/TextMeasurer.h"
#include "text/DocumentCodec.h"

namespace htmlsim {

// Measures the document's bytes as the characters they stand for.
class DocumentTextMeasurer : public TextMeasurer {
  public:
    DocumentTextMeasurer(const TextMeasurer& measurer, const DocumentCodec& codec)
        : mMeasurer(measurer), mCodec(codec) {}

    TextExtent Measure(std::string_view text, const TextFont& font) const override {
        return mMeasurer.Measure(mCodec.Decode(text), font);
    }

  private:
    const TextMeasurer& mMeasurer;
    const DocumentCodec& mCodec;
};

}  // namespace htmlsim
