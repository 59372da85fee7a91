#pragma once

#include <string>

namespace htmlsim {

class Session;

// Adds the picture file at `path` (as the page will reference it) to the design as its new last
// image, and appends its IMG line to the end of the "Images" section. A document that was never
// saved is saved first, so that the reference can be relative to its folder. The image is not
// painted: the caller does that. Failures are shown; the document text then stays as it was.
void InsertImageTag(Session& session, const std::string& path);

}  // namespace htmlsim
