#pragma once

#include "surface/PageControls.h"

namespace htmlsim {

class Session;

// Writes the page controls' sections into the session's document text.
PageControls::SectionWriter SessionSectionWriter(Session& session);

}  // namespace htmlsim
