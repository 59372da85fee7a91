#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "document/SectionDocument.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui {
namespace {

TEST(EditMenu, CtrlZAndCtrlYUndoAndRedoTheLastActionOnTheSurface) {
    testing::TempFolder folder;
    testing::FakeDialogs dialogs;
    frmHTMLImage window(dialogs, folder.File("program"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
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
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.GetSession().DocumentText(), opened);
    EXPECT_EQ(window.Controls().LabelCount(), 0);

    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_NE(labels().find("Label 1"), std::string::npos);
    EXPECT_EQ(window.Controls().LabelCount(), 1);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // nothing left
    EXPECT_EQ(window.Controls().LabelCount(), 1);
    EXPECT_NE(window.MenuItem("mnuEditUndo"), nullptr);
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace htmlsim::gui
