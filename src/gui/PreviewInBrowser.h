#pragma once

namespace htmlsim {
class Session;
}

namespace htmlsim::gui {

// Tools > Preview in Browser (F5): saves the page, then opens it in the user's default browser.
void PreviewInBrowser(Session& session);

}  // namespace htmlsim::gui
