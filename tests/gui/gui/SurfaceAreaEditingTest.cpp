#include "DesignedPageWindow.h"

namespace htmlsim::gui::testing {
namespace {

// Areas worked with the mouse on the window's real surface: carried along with their picture,
// pulled by their handles, moved, and drawn several at a time.
using SurfaceAreaEditing = DesignedPageWindow;

TEST_F(SurfaceAreaEditing, ADraggedCanvasTakesItsAreasAlongSoTheyStayOverTheSamePartOfIt) {
    const std::string before = Section("CanvasScript_Top");
    LeftDrag(QPoint(150, 350), QPoint(170, 360), 1.0);
    ASSERT_EQ(Design().Image(3).Left, 120);
    // The areas are written relative to the canvas: moved with it, they keep their numbers.
    EXPECT_EQ(Section("CanvasScript_Top"), before);
    EXPECT_NE(Section("Images").find("left:120px; top:310px"), std::string::npos);
    const ImageSurface& canvas = window.DesignTab()->Canvas();
    EXPECT_EQ(canvas.Outlines().at(Design().Areas.Item(2)->Index).rect, QRect(130, 320, 30, 20));
    EXPECT_EQ(canvas.Outlines().at(Design().Areas.Item(3)->Index).rect, QRect(170, 320, 30, 20));
}

TEST_F(SurfaceAreaEditing, ControlsAddedFromThePopUpMenuStandWhereItWasOpened) {
    Choose(QPoint(600, 400), "mnuPalAddLabel");
    Choose(QPoint(620, 450), "mnuPalAddAnchor");
    EXPECT_NE(Section("Labels").find("<Label style='position:absolute; left:600px; top:400px'>"
                                     "Label 1</Label>"),
              std::string::npos)
        << Section("Labels");
    EXPECT_NE(Section("Anchors").find("left:620px; top:450px"), std::string::npos);
    // Without the pop-up menu (the menu bar, the toolbar) the next one goes below the others.
    ASSERT_TRUE(window.Interaction().RunCommand("mnuPalAddLabel"));
    EXPECT_NE(Section("Labels").find("'position:absolute; left:50px; top:"), std::string::npos);
}

// An image map at 100,50 with a rectangle (110,60 - 160,90), a circle (centre 200,150, radius
// 20) and a triangle (250,70 290,70 270,110).
class SurfaceHandles : public DesignedPageWindow {
  protected:
    SurfaceHandles() : DesignedPageWindow(ShapesPage()) { Pallet()->setFocus(); }

    static std::string ShapesPage() {
        return htmlsim::testing::DesignDocument(
            "<IMG SRC='shot.png' Name='Map1' BORDER='0' Width='200' Height='150' "
            "STYLE='position:absolute; left:100px; top:50px' UseMap='#Map1'/>\r\n"
            "<map name='Map1'>\r\n"
            "<AREA SHAPE='rect' COORDS='10,10,60,40' Title='' HREF='next.html'/> \r\n"
            "<AREA SHAPE='circle' COORDS='100,100,20' HREF='c.html'/>\r\n"
            "<AREA SHAPE='poly' COORDS='150,20,190,20,170,60' HREF='p.html'/>\r\n"
            "</map>\r\n",
            "");
    }

    // Selects the n-th area of the page with the keyboard.
    void SelectArea(int n) {
        QTest::keyClick(Pallet(), Qt::Key_Escape);
        for (int step = 0; step < n; ++step) {
            QTest::keyClick(Pallet(), Qt::Key_Tab);
        }
    }
    // A quick left press at `from`, moved by `by` and released.
    void Pull(const QPoint& from, const QPoint& by) {
        QTest::mousePress(Pallet(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Pallet(), from + by);
        now += 0.1;
        QTest::mouseRelease(Pallet(), Qt::LeftButton, {}, from + by);
    }
    static std::string Replaced(std::string text, const std::string& from, const std::string& to) {
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    }
    const std::string& Text() { return GetSession().DocumentText(); }
};

TEST_F(SurfaceHandles, EachHandleChangesOnlyWhatItHoldsAndIsOneUndoStep) {
    const std::string original = Text();
    SelectArea(1);
    // The south-east handle of the rectangle, at its corner 160,90.
    Pull(QPoint(160, 90), QPoint(10, 5));
    std::string expected = Replaced(original, "COORDS='10,10,60,40'", "COORDS='10,10,70,45'");
    EXPECT_EQ(Text(), expected);
    EXPECT_EQ(window.DesignTab()->Canvas().RenderImage().pixel(170, 95), qRgb(255, 255, 255))
        << "a handle is drawn at the new corner";

    SelectArea(2);
    Pull(QPoint(220, 150), QPoint(10, 0));  // the circle's right handle
    expected = Replaced(expected, "COORDS='100,100,20'", "COORDS='100,100,30'");
    EXPECT_EQ(Text(), expected);

    SelectArea(3);
    Pull(QPoint(270, 110), QPoint(5, -5));  // the triangle's third point
    expected = Replaced(expected, "COORDS='150,20,190,20,170,60'", "COORDS='150,20,190,20,175,55'");
    EXPECT_EQ(Text(), expected);

    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(Pallet(), Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(Text(), original);
}

TEST_F(SurfaceHandles, DraggingInsideTheSelectedAreaMovesItAsTheArrowKeysDo) {
    const std::string original = Text();
    SelectArea(1);
    Pull(QPoint(130, 70), QPoint(12, 3));
    const std::string dragged = Text();
    EXPECT_EQ(dragged, Replaced(original, "COORDS='10,10,60,40'", "COORDS='22,13,72,43'"));
    EXPECT_EQ(Design().Image(1).Left, 100);  // the image stayed

    QTest::keyClick(Pallet(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Text(), original);
    SelectArea(1);
    QTest::keyClick(Pallet(), Qt::Key_Right, Qt::ShiftModifier);
    for (const Qt::Key key :
         {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}) {
        QTest::keyClick(Pallet(), key);
    }
    EXPECT_EQ(Text(), dragged);

    // A quick click inside it, without a drag, still follows its link.
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(140, 70));
    EXPECT_EQ(GetSession().PathAndName(), folder.File("next.html"));
}

}  // namespace
}  // namespace htmlsim::gui::testing
