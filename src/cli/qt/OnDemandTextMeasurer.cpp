#include "OnDemandTextMeasurer.h"

#include "OffscreenApplication.h"

namespace htmlsim::cli {

TextExtent OnDemandTextMeasurer::Measure(std::string_view text, const TextFont& font) const {
    const OffscreenApplication application;  // made once, kept until the process ends
    return mMeasurer.Measure(text, font);
}

}  // namespace htmlsim::cli
