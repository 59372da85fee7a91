#include <QApplication>
#include <QStringList>

#include "QtDialogs.h"
#include "QtText.h"
#include "Version.h"
#include "frmHTMLImage.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("htmlsim");
    QApplication::setOrganizationName("htmlsim");  // settings in ~/.config/htmlsim/htmlsim.conf
    QApplication::setApplicationVersion(htmlsim::kVersion);

    htmlsim::gui::QtDialogs dialogs;
    htmlsim::gui::frmHTMLImage window(dialogs,
                                      htmlsim::FromQPath(QApplication::applicationDirPath()));
    dialogs.SetOwner(&window);
    window.show();
    // The document may be named by several arguments when its path has blanks.
    window.Start(htmlsim::FromQPath(QApplication::arguments().mid(1).join(' ')));
    return QApplication::exec();
}
