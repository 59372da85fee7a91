#include "insert/ImageInsertionCommands.h"

#include "insert/ImageInsertion.h"
#include "session/DesignInteraction.h"

namespace htmlsim {

void AddImageInsertionCommands(DesignInteraction& interaction, Session& session,
                               Clipboard& clipboard) {
    interaction.SetCommand("mnuFileAddImage", [&session] { InsertImageFromFile(session); });
    interaction.SetCommand("mnuPalAddImageFromClipboard",
                           [&session, &clipboard] { PasteImageFromClipboard(session, clipboard); });
}

}  // namespace htmlsim
