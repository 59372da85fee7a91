#include "MainToolBar.h"

#include <QIcon>

#include "QtText.h"
#include "frmHTMLImage.h"
#include "session/CommandReasons.h"
#include "session/DesignInteraction.h"

namespace htmlsim::gui {

MainToolBar::MainToolBar(frmHTMLImage& window, DesignInteraction& interaction)
    : QToolBar("Toolbar", &window), mWindow(window), mInteraction(interaction) {
    setObjectName("tbMain");
    // Icons come from the desktop's theme; where it has none the caption alone shows.
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    AddMenuCommand("mnuFileNewPage", "document-new", "New");
    AddMenuCommand("mnuFileOpen", "document-open", "Open");
    AddMenuCommand("mnuFileSave", "document-save", "Save");
    addSeparator();
    AddMenuCommand("mnuEditUndo", "edit-undo", "Undo");
    AddMenuCommand("mnuEditRedo", "edit-redo", "Redo");
    addSeparator();
    AddDesignCommand("tbInsertImage", "mnuFileAddImage", "insert-image", "Insert Image");
    mDrawArea =
        AddDesignCommand("tbDrawArea", "mnuPalDefineClickableArea", "draw-rectangle", "Draw Area");
    mDrawBalloon =
        AddDesignCommand("tbDrawBalloon", "mnuImageDrawBalloon", "insert-text", "Draw Balloon");
    AddDesignCommand("tbAddLabel", "mnuPalAddLabel", "format-text-bold", "Add Label");
    AddDesignCommand("tbAddAnchor", "mnuPalAddAnchor", "insert-link", "Add Anchor");
    AddDesignCommand("tbAddInput", "mnuPalAddInput", "edit-select-all", "Add Input");
    addSeparator();
    AddMenuCommand("mnuPreviewInBrowser", "internet-web-browser", "Preview");
    AddMenuCommand("mnuToolsCheckLinks", "view-list-tree", "Check Links");
    Refresh();
}

QAction* MainToolBar::AddMenuCommand(const char* menuItem, const char* iconName,
                                     const QString& caption) {
    QAction* item = mWindow.MenuItem(menuItem);
    Q_ASSERT(item != nullptr);
    if (item->icon().isNull()) {
        item->setIcon(QIcon::fromTheme(iconName));
    }
    item->setIconText(caption);
    addAction(item);
    return item;
}

QAction* MainToolBar::AddDesignCommand(const char* name, const char* command, const char* iconName,
                                       const QString& caption) {
    QAction* action = addAction(QIcon::fromTheme(iconName), caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, command] {
        mInteraction.RunCommand(command);
        Refresh();
    });
    return action;
}

void MainToolBar::Allow(QAction* action, const QString& caption, const std::string& whyNot) {
    action->setEnabled(whyNot.empty());
    action->setToolTip(whyNot.empty() ? caption : caption + ": " + ToQString(whyNot) + ".");
}

void MainToolBar::Refresh() {
    Session& session = mInteraction.GetSession();
    Allow(mDrawArea, "Draw Area", WhyCannotDraw(session.Design(), kAreaClickable));
    Allow(mDrawBalloon, "Draw Balloon", WhyCannotDraw(session.Design(), kAreaBalloon));
}

}  // namespace htmlsim::gui
