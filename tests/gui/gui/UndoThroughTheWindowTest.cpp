#include <QLineEdit>
#include <QPushButton>

#include "DesignedPageWindow.h"

namespace htmlsim::gui::testing {
namespace {

using UndoThroughTheWindow = DesignedPageWindow;

TEST_F(UndoThroughTheWindow, ThreeActionsUndoToTheOriginalBytesAndRedoOneByOne) {
    std::vector<std::string> texts{GetSession().DocumentText()};
    Choose(QPoint(250, 150), "mnuPalDefineClickableArea");
    LeftDrag(QPoint(150, 100), QPoint(180, 120), 1.0);
    texts.push_back(GetSession().DocumentText());
    LeftDrag(QPoint(150, 350), QPoint(160, 360), 1.0);  // the canvas moves
    texts.push_back(GetSession().DocumentText());
    WhenDialogOpens([&](QDialog& dialog) {
        QLineEdit* title = Find<QLineEdit>(dialog, "txtTitle");
        title->selectAll();
        QTest::keyClicks(title, "Go on");
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdApply"), Qt::LeftButton);
    });
    Choose(QPoint(120, 70), "mnuAreaProperties");
    texts.push_back(GetSession().DocumentText());
    ASSERT_NE(texts[3].find("Title='Go on'"), std::string::npos);
    // As on a desktop, the window is active again once its dialog has closed.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    for (int step = 2; step >= 0; --step) {
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(GetSession().DocumentText(), texts[static_cast<size_t>(step)]) << step;
    }
    EXPECT_EQ(Design().Image(3).Left, 100);
    for (size_t step = 1; step <= 3; ++step) {
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(GetSession().DocumentText(), texts[step]) << step;
    }
    EXPECT_EQ(Design().Image(3).Left, 110);
}

TEST_F(UndoThroughTheWindow, UndoAndRedoAreEnabledExactlyWhenThereIsAStepToTake) {
    QAction* undo = window.MenuItem("mnuEditUndo");
    QAction* redo = window.MenuItem("mnuEditRedo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->toolTip().toStdString(),
              "Undo: Nothing has changed since the page was opened or created.");

    LeftDrag(QPoint(150, 350), QPoint(160, 360), 1.0);  // the canvas moves
    QCoreApplication::processEvents();                  // the release's own turn ends
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    undo->trigger();
    EXPECT_EQ(Design().Image(3).Left, 100);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    redo->trigger();
    EXPECT_EQ(Design().Image(3).Left, 110);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(UndoThroughTheWindow, UndoingBackToTheSavePointLeavesNothingToSaveOnClose) {
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    const std::string path = folder.File("index.html");
    ASSERT_FALSE(GetSession().ChangedSinceSaved());
    // Any write on close would replace this.
    htmlsim::testing::WriteFileBytes(path, "untouched");

    LeftDrag(QPoint(150, 350), QPoint(160, 360), 1.0);
    ASSERT_TRUE(GetSession().ChangedSinceSaved());
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(GetSession().ChangedSinceSaved());
    EXPECT_TRUE(window.close());
    EXPECT_EQ(htmlsim::testing::ReadFileBytes(path), "untouched");
    EXPECT_TRUE(dialogs.asked.empty());
}

}  // namespace
}  // namespace htmlsim::gui::testing
