#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "../OverlappingPage.h"
#include "DesignSurface.h"
#include "FakeDialogs.h"
#include "document/SectionDocument.h"
#include "frmAreaProperties.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui {
namespace {

// The editor's window on the overlapping page, its menus answered by the test.
class SurfaceMouse : public ::testing::Test {
  protected:
    SurfaceMouse() : window(dialogs, folder.File("program")) {
        window.Start(testing::WriteOverlappingPage(folder));
        window.resize(900, 700);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.Menus().SetChooser([this](QMenu& menu, const QPoint&) {
            shownMenu = menu.objectName();
            for (QAction* action : menu.actions()) {
                if (!action->isSeparator()) {
                    items[action->objectName()] = {action->isVisible(), action->isEnabled()};
                }
            }
            return answer;
        });
    }

    QWidget* Pallet() { return window.DesignTab()->pctPallet(); }
    std::string Images() { return GetSectionText(window.GetSession().DocumentText(), "Images"); }

    testing::TempFolder folder;
    testing::FakeDialogs dialogs;
    frmHTMLImage window;
    QString answer;
    QString shownMenu;
    std::map<QString, std::pair<bool, bool>> items;  // visible, enabled
};

TEST_F(SurfaceMouse, DrawingAnAreaWithTheMouseWritesItsAreaLine) {
    answer = "mnuPalDefineClickableArea";
    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(60, 20));
    EXPECT_EQ(shownMenu, "mnuImagePropertiesMenu");
    EXPECT_TRUE(items["mnuPalDefineClickableArea"].first);

    QTest::mousePress(Pallet(), Qt::LeftButton, {}, QPoint(60, 20));
    QTest::mouseMove(Pallet(), QPoint(90, 30));
    QTest::mouseRelease(Pallet(), Qt::LeftButton, {}, QPoint(90, 30));
    EXPECT_NE(Images().find("COORDS='60,20,90,30'"), std::string::npos) << Images();
    EXPECT_FALSE(window.Interaction().Mouse().DrawMode());
}

TEST_F(SurfaceMouse, ARightPressOnEmptySurfaceOffersTheSurfaceMenu) {
    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(400, 400));
    EXPECT_EQ(shownMenu, "mnuPalletProperties");
    EXPECT_FALSE(items["mnuPalCaptureImage"].second);
    EXPECT_FALSE(items["mnuPalAddCanvas"].second);
    EXPECT_TRUE(items["mnuBack"].second);
    EXPECT_TRUE(items["mnuForward"].first);
}

TEST(AreaPropertiesDialog, ShowsTheSmallestWidthAfterApplyAndMarksRefusedText) {
    ClickableArea area;
    area.Width = area.Height = 20;
    ClickableAreas saved;
    testing::FakeDialogs dialogs;
    AreaPropertiesModel model(area, false, "/nonexistent/", saved, dialogs,
                              [&] { area.Width = std::max<int16_t>(area.Width, 5); });
    frmAreaProperties dialog(model);
    QLineEdit* width = dialog.txtBox(kAreaWidth);
    width->selectAll();
    QTest::keyClicks(width, "3");
    QLineEdit* left = dialog.txtBox(kAreaLeft);
    left->selectAll();
    QTest::keyClicks(left, "1x");
    EXPECT_TRUE(left->property("invalid").toBool());
    QTest::mouseClick(dialog.cmdApply(), Qt::LeftButton);
    EXPECT_EQ(width->text(), "5");
    EXPECT_EQ(left->text(), "1x");
    EXPECT_EQ(area.Left, 0);
}

}  // namespace
}  // namespace htmlsim::gui
