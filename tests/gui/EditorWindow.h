#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <map>
#include <string>
#include <utility>

#include "DesignSurface.h"
#include "FakeDialogs.h"
#include "TempFolder.h"
#include "document/SectionDocument.h"
#include "frmHTMLImage.h"

namespace htmlsim::testing {

// The editor's window, shown, in a folder of its own: its questions and pop-up menus answered
// by the test, its clock standing still until the test moves it.
class EditorWindow : public ::testing::Test {
  protected:
    EditorWindow() : EditorWindow(ShownLater()) { Show(); }
    // A window that shows its page from the start: shown by the test once it is open.
    struct ShownLater {};
    explicit EditorWindow(ShownLater) {
        window.Menus().SetChooser([this](QMenu& menu, const QPoint& at) {
            shownMenu = menu.objectName();
            menuAt = at;
            items.clear();
            chosen = answer;
            for (QAction* action : menu.actions()) {
                if (!action->isSeparator()) {
                    items[action->objectName()] = {action->isVisible(), action->isEnabled()};
                    if (action->text() == answer && action->isVisible() && action->isEnabled()) {
                        chosen = action->objectName();
                    }
                }
            }
            return chosen;
        });
    }

    void Show() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // Writes the folder's file `name` and opens it.
    void Open(const std::string& name, const std::string& bytes) {
        WriteFileBytes(folder.File(name), bytes);
        window.Start(folder.File(name));
    }
    std::string Document() { return window.GetSession().DocumentText(); }
    std::string Section(const std::string& name) { return GetSectionText(Document(), name); }
    void Trigger(const char* menuItem) {
        QAction* action = window.MenuItem(menuItem);
        ASSERT_NE(action, nullptr) << menuItem;
        action->trigger();
    }
    QWidget* Pallet() { return window.DesignTab()->pctPallet(); }
    // A right click on the design surface that chooses `item` (its object name, or the caption
    // of an enabled item) from the menu it opens.
    void Choose(const QPoint& at, const QString& item) {
        answer = item;
        QTest::mouseClick(Pallet(), Qt::RightButton, {}, at);
        answer.clear();
    }

    TempFolder folder;
    FakeDialogs dialogs;
    double now = 1000.0;
    gui::frmHTMLImage window{dialogs, folder.File("program"), nullptr, [this] { return now; }};
    QString answer;
    QString shownMenu;
    QPoint menuAt;                                   // on the screen
    QString chosen;                                  // the object name of the item chosen last
    std::map<QString, std::pair<bool, bool>> items;  // of the menu shown: visible, enabled
};

}  // namespace htmlsim::testing
