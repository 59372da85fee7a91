#include <gtest/gtest.h>

#include <QTest>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui {
namespace {

// Each shortcut reaches its File menu command: the command's first question shows it.
TEST(StandardShortcuts, NewOpenSaveAsAndQuitAnswerTheirKeys) {
    testing::TempFolder folder;
    testing::FakeDialogs dialogs;
    frmHTMLImage window(dialogs, folder.File("program"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.Start("");

    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    std::vector<std::string> kinds;
    for (const auto& asked : dialogs.asked) {
        kinds.push_back(asked.kind);
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"folder", "open", "save"}));
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace htmlsim::gui
