#include "CliDesign.h"

#include <QApplication>

#include "import/DocumentImport.h"
#include "session/SessionSectionWriter.h"

namespace htmlsim::cli {

OffscreenApplication::OffscreenApplication() {
    if (QCoreApplication::instance()) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Only the command's own messages belong on stderr, not Qt's notes about the environment.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "htmlsim-cli";
    static char* argv[] = {name, nullptr};
    // Kept until the process ends: tearing Qt down among static destructors is not safe.
    new QApplication(argc, argv);
}

CliPageControls::CliPageControls(CliSession& session, Dialogs& dialogs)
    : mDocumentMeasurer(mMeasurer, session.Get().Codec()),
      mControls(mDocumentMeasurer, dialogs, SessionSectionWriter(session.Get())) {}

bool OpenAndImportDesign(CliSession& session, const std::string& path, PageDesign& design,
                         Surface& surface, Pictures& pictures, Dialogs& dialogs,
                         PageControls& controls) {
    if (!session.OpenExisting(session.DocumentPath(path))) {
        return false;
    }
    ImportContext context{design, surface, pictures, dialogs, session.Get().PathOnly()};
    context.controls = &controls;
    session.Get().UseRemotePictures(context);
    ImportDocument(session.Get().DocumentText(), context);
    return true;
}

}  // namespace htmlsim::cli
