#include "PreviewInBrowser.h"

#include <QDesktopServices>
#include <QUrl>

#include "QtText.h"
#include "components/FileHelper.h"
#include "session/Session.h"

namespace htmlsim::gui {

void PreviewInBrowser(Session& session) {
    Dialogs& dialogs = session.GetDialogs();
    if (session.DocumentSource() == kFtpDocument) {
        dialogs.Message("A page on the FTP server is previewed from its web address.", "",
                        MessageIcon::Information);
        return;
    }
    session.SaveCommand();
    const std::string& path = session.PathAndName();
    if (!FileHelper::FileExists(path) || session.ChangedSinceSaved()) {
        return;  // not saved: the browser would show an older page, or none
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ToQPath(path)))) {
        dialogs.Message("No web browser could be started for '" + path + "'.", "",
                        MessageIcon::Exclamation);
    }
}

}  // namespace htmlsim::gui
