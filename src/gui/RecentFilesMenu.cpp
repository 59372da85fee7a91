#include "RecentFilesMenu.h"

#include <QMenu>
#include <QSettings>

#include "QtText.h"
#include "session/RecentFiles.h"
#include "session/Session.h"

namespace htmlsim::gui {

namespace {

constexpr const char* kSettingsKey = "recentFiles";

std::vector<std::string> StoredRecentFiles() {
    std::vector<std::string> recent;
    for (const QString& path : QSettings().value(kSettingsKey).toStringList()) {
        recent.push_back(FromQPath(path));
    }
    return recent;
}

}  // namespace

RecentFilesMenu::RecentFilesMenu(QMenu& fileMenu, Session& session)
    : QObject(&fileMenu), mMenu(fileMenu.addMenu("Recent &Files")), mSession(session) {
    mMenu->menuAction()->setObjectName("mnuRecentFiles");
    Rebuild();
}

void RecentFilesMenu::Remember(const std::string& path) {
    QStringList stored;
    for (const std::string& recent : WithRecentFile(StoredRecentFiles(), path)) {
        stored.append(ToQPath(recent));
    }
    QSettings().setValue(kSettingsKey, stored);
    Rebuild();
}

void RecentFilesMenu::Rebuild() {
    mMenu->clear();
    const std::vector<std::string> recent = StoredRecentFiles();
    for (size_t k = 0; k < recent.size(); ++k) {
        const std::string path = recent[k];
        QAction* item = mMenu->addAction(QString("&%1 %2").arg((k + 1) % 10).arg(ToQPath(path)));
        // Opening changes the list: the menu is rebuilt once the action is done.
        connect(
            item, &QAction::triggered, this, [this, path] { mSession.OpenRecentDocument(path); },
            Qt::QueuedConnection);
    }
    mMenu->menuAction()->setEnabled(!recent.empty());
}

}  // namespace htmlsim::gui
