#pragma once

namespace htmlsim::cli {

// Fonts are measured and text and widgets painted only with an application object; this one
// needs no display, so the commands run the same with or without one.
struct OffscreenApplication {
    OffscreenApplication();
};

}  // namespace htmlsim::cli
