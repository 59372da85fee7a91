#pragma once

#include <functional>

namespace htmlsim {

class Session;

// While the page's last import stopped early, the design holds only what was read before that
// point, and any change would write that part back over the whole page. A command that changes
// the design asks first: false, after saying once why and where to repair it, while the import
// is incomplete; true otherwise.
bool DesignMayChange(Session& session);

// The command, run only when the design may change.
std::function<void()> GatedCommand(Session& session, std::function<void()> command);

}  // namespace htmlsim
