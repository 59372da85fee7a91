#pragma once

#include "services/Clipboard.h"

namespace htmlsim {

class DesignInteraction;
class Session;

// Gives the surface menu's image items their commands.
void AddImageInsertionCommands(DesignInteraction& interaction, Session& session,
                               Clipboard& clipboard);

}  // namespace htmlsim
