#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "document/SectionDocument.h"
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

TEST_F(MenuKeys, CtrlZAndCtrlYUndoAndRedoTheLastActionOnTheSurface) {
    testing::WriteFileBytes(folder.File("page.html"),
                            "<HTML>\r\n<BODY>\r\n<!-- Section: Labels -->\r\n<!-- Section End "
                            "-->\r\n</BODY>\r\n</HTML>\r\n");
    window.Start(folder.File("page.html"));
    const std::string opened = window.GetSession().DocumentText();
    const auto labels = [&] {
        return GetSectionText(window.GetSession().DocumentText(), "Labels");
    };

    window.Interaction().RunCommand("mnuPalAddLabel");
    ASSERT_NE(labels().find("Label 1"), std::string::npos);
    Press(Qt::Key_Z);
    EXPECT_EQ(window.GetSession().DocumentText(), opened);
    EXPECT_EQ(window.Controls().LabelCount(), 0);

    Press(Qt::Key_Y);
    EXPECT_NE(labels().find("Label 1"), std::string::npos);
    EXPECT_EQ(window.Controls().LabelCount(), 1);
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // nothing left to redo
    EXPECT_EQ(window.Controls().LabelCount(), 1);
    EXPECT_NE(window.MenuItem("mnuEditUndo"), nullptr);
    EXPECT_TRUE(dialogs.messages.empty());
}

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
