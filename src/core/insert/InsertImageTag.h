#pragma once

#include <string>

namespace htmlsim {

class Session;

// Adds the picture file at `path` (as the page will reference it) to the design as its new last
// image, and appends its IMG line to the end of the "Images" section. A document that was never
// saved is saved first, so that the reference can be relative to its folder. The image is not
// painted: the caller does that. The image is a canvas, or an image map (said in a message)
// where the page cannot take a canvas (WhyNoCanvas). False when a failure was shown; the
// document text then stays as it was.
bool InsertImageTag(Session& session, const std::string& path);

}  // namespace htmlsim
