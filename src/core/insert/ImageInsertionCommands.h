#pragma once

#include "services/Clipboard.h"

namespace htmlsim {

class DesignInteraction;
class Session;

// Gives the surface menu's image items their commands. "Insert Image From FTP" is left without
// one (shown disabled) until pictures can be placed on the server.
void AddImageInsertionCommands(DesignInteraction& interaction, Session& session,
                               Clipboard& clipboard);

}  // namespace htmlsim
