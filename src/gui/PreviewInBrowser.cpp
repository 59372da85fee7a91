#include "PreviewInBrowser.h"

#include <QDesktopServices>
#include <QProcess>
#include <QProcessEnvironment>
#include <QUrl>

#include "QtText.h"
#include "components/FileHelper.h"
#include "session/Session.h"

namespace htmlsim::gui {

namespace {

// BROWSER holds commands separated by colons, tried in turn by convention; the first is used.
bool StartNamedBrowser(const QString& commands, const QString& page) {
    QStringList words = QProcess::splitCommand(commands.section(':', 0, 0));
    if (words.isEmpty()) {
        return false;
    }
    const QString program = words.takeFirst();
    bool placed = false;
    for (QString& word : words) {
        placed = placed || word.contains("%s");
        word.replace("%s", page);
    }
    if (!placed) {
        words << page;
    }
    return QProcess::startDetached(program, words);
}

}  // namespace

void ShowInBrowser(const std::string& page, Dialogs& dialogs) {
    const QString commands = QProcessEnvironment::systemEnvironment().value("BROWSER");
    const bool started = commands.trimmed().isEmpty()
                             ? QDesktopServices::openUrl(QUrl::fromLocalFile(ToQPath(page)))
                             : StartNamedBrowser(commands, ToQPath(page));
    if (!started) {
        dialogs.Message("No web browser could be started for '" + page +
                            "'. Name one in the BROWSER variable (for example BROWSER=chromium) "
                            "or choose a default web browser in the desktop's settings.",
                        "", MessageIcon::Exclamation);
    }
}

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
    ShowInBrowser(path, dialogs);
}

}  // namespace htmlsim::gui
