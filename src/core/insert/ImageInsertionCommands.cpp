#include "insert/ImageInsertionCommands.h"

#include "insert/ImageInsertion.h"
#include "insert/RemoteImageInsertion.h"
#include "session/DesignGate.h"
#include "session/DesignInteraction.h"
#include "session/Session.h"

namespace htmlsim {

void AddImageInsertionCommands(DesignInteraction& interaction, Session& session,
                               Clipboard& clipboard) {
    // Each asks before a picture is chosen, so none is chosen or copied in vain.
    interaction.SetCommand("mnuFileAddImage",
                           GatedCommand(session, [&session] { InsertImageFromFile(session); }));
    interaction.SetCommand("mnuFileAddImageFromFTP",
                           GatedCommand(session, [&session] { InsertImageFromFtp(session); }),
                           [&session] { return session.DocumentSource() == kFtpDocument; });
    interaction.SetCommand("mnuPalAddImageFromClipboard",
                           GatedCommand(session, [&session, &clipboard] {
                               PasteImageFromClipboard(session, clipboard);
                           }));
}

}  // namespace htmlsim
