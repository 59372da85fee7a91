#pragma once

#include <string>

namespace htmlsim {
class Dialogs;
class Session;
}  // namespace htmlsim

namespace htmlsim::gui {

// Tools > Preview in Browser (F5): saves the page, then opens it in the user's browser.
void PreviewInBrowser(Session& session);

// Opens a local page in the browser the BROWSER variable names (its first command; "%s" stands
// for the page), else in the desktop's default one. A browser that does not start is reported,
// with how to choose one.
void ShowInBrowser(const std::string& page, Dialogs& dialogs);

}  // namespace htmlsim::gui
