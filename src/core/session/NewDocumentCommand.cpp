#include "session/NewDocumentCommand.h"

#include "components/FileHelper.h"
#include "session/Session.h"
#include "util/DefaultExtension.h"

namespace htmlsim {

std::string NewDocumentCommand(Session& session) {
    Dialogs& dialogs = session.GetDialogs();
    if (session.DocumentSource() == kFtpDocument) {
        dialogs.Message(
            "New makes a page in a local or network folder; for a page on the FTP server choose "
            "\"Set Working Folder\" > \"FTP\".",
            "", MessageIcon::Information);
        return {};
    }
    FileDialogRequest request;
    request.title = "New";
    request.filter = "HTML Documents|*.html;*.htm";
    request.initialFolder = session.PathOnly();
    const std::string chosen = dialogs.SaveFileName(request);
    if (chosen.empty()) {
        return {};
    }
    const std::string path = WithDefaultExtension(chosen, "html");
    if (FileHelper::FileExists(path)) {
        dialogs.Message("'" + path + "' exists already: New makes a page that does not exist yet.",
                        "", MessageIcon::Exclamation);
        return {};
    }
    if (!session.PrepareToClose() || !session.OpenDocument(path)) {
        return {};
    }
    session.SwitchTab(kImageDesignTab);
    return path;
}

}  // namespace htmlsim
