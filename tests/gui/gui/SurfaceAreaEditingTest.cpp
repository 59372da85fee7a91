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

}  // namespace
}  // namespace htmlsim::gui::testing
