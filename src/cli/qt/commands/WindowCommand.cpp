#include <QCoreApplication>
#include <QImage>
#include <QPixmap>

#include "CliCommand.h"
#include "CliDesign.h"
#include "CliSession.h"
#include "OffscreenApplication.h"
#include "QtText.h"
#include "frmHTMLImage.h"

namespace htmlsim::cli {

namespace {

int RunWindow(const std::vector<std::string>& args) {
    if (args.size() != 3 || args[1] != "-o") {
        throw UsageError();
    }
    const OffscreenApplication application;
    CliSession session;
    gui::frmHTMLImage window(session.Dialogs(), FromQPath(QCoreApplication::applicationDirPath()));
    window.resize(1000, 720);
    window.show();
    window.GetSession().Start(session.DocumentPath(args[0]));
    const QString output = ToQPath(args[2]);
    if (!window.grab().toImage().save(output, "PNG")) {
        session.Dialogs().Message("Cannot write '" + args[2] + "'", "", MessageIcon::Critical);
    }
    return session.ExitStatus();
}

const CliCommandRegistration kWindow({"window", "PATH -o OUT.png",
                                      "shows the document at PATH in the editor's main window "
                                      "(1000 x 720, menus and toolbar included) and saves a "
                                      "picture of the window into the PNG file OUT.png",
                                      RunWindow});

}  // namespace
}  // namespace htmlsim::cli
