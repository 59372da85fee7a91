#pragma once

#include <string>
#include <vector>

namespace htmlsim {

class Session;

// The open page's style sheets (PageStyleSheets); a remote page's linked sheet would cost a
// download on every rebuild of the design, so only its Style section counts.
std::vector<std::string> SessionStyleSheets(const Session& session);

}  // namespace htmlsim
