#include <gtest/gtest.h>

#include <algorithm>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "FakeDialogs.h"
#include "frmAreaProperties.h"

namespace htmlsim::gui {
namespace {

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
