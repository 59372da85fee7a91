#include <QLabel>

#include "DesignedPageWindow.h"

namespace htmlsim::gui::testing {
namespace {

using SurfaceKeyboard = DesignedPageWindow;

TEST_F(SurfaceKeyboard, TabSelectsArrowsMoveTheStatusBarTellsAndUndoTakesItBack) {
    const std::string original = GetSession().DocumentText();
    const ImageSurface& canvas = window.DesignTab()->Canvas();
    Pallet()->setFocus();
    QTest::keyClick(Pallet(), Qt::Key_Tab);
    ASSERT_EQ(canvas.Highlighted(), 0);  // the map's area
    EXPECT_EQ(canvas.RenderImage().pixel(120, 60), ImageSurface::kHighlightColor);

    QTest::keyClick(Pallet(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(Pallet(), Qt::Key_Down);
    QTest::keyClick(Pallet(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_NE(Section("Images").find("COORDS='20,11,71,41' Title='' HREF='next.html'"),
              std::string::npos)
        << Section("Images");
    EXPECT_EQ(canvas.Outlines().at(0).rect, QRect(120, 61, 51, 30));
    EXPECT_TRUE(window.findChild<QLabel*>("lblSelection")->text().endsWith("at 120, 61, 51 x 30"));

    QTest::mouseMove(Pallet(), QPoint(130, 70));
    EXPECT_EQ(window.findChild<QLabel*>("lblPointer")->text().toStdString(),
              "130, 70   Image 1 'shot.png' (image map)   Area '" + Design().Areas.Item(1)->Name +
                  "' -> next.html");

    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(Pallet(), Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(GetSession().DocumentText(), original);
    EXPECT_EQ(canvas.Highlighted(), -1);
    QCoreApplication::processEvents();  // the last key's release is handled
    EXPECT_EQ(window.findChild<QLabel*>("lblSelection")->text(), "");
}

TEST_F(SurfaceKeyboard, TheStatusBarNeverDescribesTheSelectionOfThePageLeft) {
    auto* selection = window.findChild<QLabel*>("lblSelection");
    Pallet()->setFocus();
    QTest::keyClick(Pallet(), Qt::Key_Tab);
    ASSERT_FALSE(selection->text().isEmpty());
    dialogs.fileAnswers.push_back(folder.File("second"));
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);  // File > New
    ASSERT_EQ(GetSession().PathAndName(), folder.File("second.html"));
    QCoreApplication::processEvents();
    EXPECT_EQ(selection->text(), "");
}

}  // namespace
}  // namespace htmlsim::gui::testing
