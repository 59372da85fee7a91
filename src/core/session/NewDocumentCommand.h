#pragma once

#include <string>

namespace htmlsim {

class Session;

// File > New: a page from the template in a folder and under a name the user chooses (".html"
// added when the name has none), saved there at once with its support files, so that pictures
// and links have a folder from the start; the work of the open page is kept first. A name
// that exists already is refused: New never replaces a page. Returns the new page's path, ""
// when nothing was made.
std::string NewDocumentCommand(Session& session);

}  // namespace htmlsim
