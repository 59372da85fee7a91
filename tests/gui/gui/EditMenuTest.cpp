#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui {
namespace {

// The editor's window, shown, keys pressed on it as on a desktop.
class MenuKeys : public ::testing::Test {
  protected:
    MenuKeys() : window(dialogs, folder.File("program")) {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(&window, key, modifiers);
    }

    testing::TempFolder folder;
    testing::FakeDialogs dialogs;
    frmHTMLImage window;
};

// Each File shortcut reaches its command: the command's first question shows it.
TEST_F(MenuKeys, NewOpenSaveAsAndQuitAnswerTheirKeys) {
    window.Start("");
    Press(Qt::Key_N);
    Press(Qt::Key_O);
    Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    std::vector<std::string> kinds;
    for (const auto& asked : dialogs.asked) {
        kinds.push_back(asked.kind);
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"folder", "open", "save"}));
    Press(Qt::Key_Q);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace htmlsim::gui
