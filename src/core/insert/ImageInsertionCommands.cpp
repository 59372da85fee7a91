#include "insert/ImageInsertionCommands.h"

#include "insert/ImageInsertion.h"
#include "insert/RemoteImageInsertion.h"
#include "session/DesignInteraction.h"
#include "session/Session.h"

namespace htmlsim {

void AddImageInsertionCommands(DesignInteraction& interaction, Session& session,
                               Clipboard& clipboard) {
    interaction.SetCommand("mnuFileAddImage", [&session] { InsertImageFromFile(session); });
    interaction.SetCommand(
        "mnuFileAddImageFromFTP", [&session] { InsertImageFromFtp(session); },
        [&session] { return session.DocumentSource() == kFtpDocument; });
    interaction.SetCommand("mnuPalAddImageFromClipboard",
                           [&session, &clipboard] { PasteImageFromClipboard(session, clipboard); });
}

}  // namespace htmlsim
