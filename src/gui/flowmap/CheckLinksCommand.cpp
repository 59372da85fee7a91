#include "flowmap/CheckLinksCommand.h"

#include <QTabWidget>

#include "PictureSizes.h"
#include "flowmap/frmFlowMap.h"
#include "frmHTMLImage.h"
#include "linkcheck/LinkCheck.h"

namespace htmlsim::gui {

namespace {

// As following a link does: the open page is saved first, so no change is lost.
void OpenPageInEditor(frmHTMLImage& main, const std::string& path) {
    Session& session = main.GetSession();
    if (session.ChangedSinceSaved()) {
        session.SaveCommand();
    }
    session.OpenDocument(path);
    session.SwitchTab(kImageDesignTab);
}

}  // namespace

frmFlowMap* ShowCheckLinks(frmHTMLImage& main) {
    Session& session = main.GetSession();
    Dialogs& dialogs = session.GetDialogs();
    if (session.DocumentSource() == kFtpDocument) {
        dialogs.Message("Check Links works on local documents only.", "", MessageIcon::Information);
        return nullptr;
    }
    PictureSizes pictures;
    const QtTextMeasurer measurer;
    LinkReport report;
    try {
        report = CheckLinks(session.PathAndName(), {pictures, &measurer});
    } catch (const std::exception& e) {
        dialogs.Message(e.what(), "", MessageIcon::Critical);
        return nullptr;
    }
    auto* window = new frmFlowMap(std::move(report), dialogs, &main);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->OpenPage = [&main](const std::string& path) { OpenPageInEditor(main, path); };
    window->show();
    return window;
}

}  // namespace htmlsim::gui
