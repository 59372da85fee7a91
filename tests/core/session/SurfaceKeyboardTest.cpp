#include <gtest/gtest.h>

#include "DesignTestSupport.h"

namespace htmlsim::testing {
namespace {

// The page of DesignTest, worked with the keyboard after areas are pressed or drawn.
using SurfaceKeyboardTest = DesignTest;

TEST_F(SurfaceKeyboardTest, NudgingAnAreaWritesWhatDrawingItThereWouldHave) {
    DrawArea(150, 100, 180, 120);
    Key(SurfaceKey::Right, true);
    Key(SurfaceKey::Down);
    Key(SurfaceKey::Down);
    Key(SurfaceKey::Left);
    const std::string nudged = session.DocumentText();
    EXPECT_NE(Section("Images").find("COORDS='59,52,89,72' Title='' HREF='Map1_Area_3.html'"),
              std::string::npos);
    EXPECT_EQ(surface.outlines.at(3), (FakeSurface::Outline{true, 159, 102, 30, 20}));

    // Removed, its outline is free again: drawn at the nudged place it is the same area.
    Key(SurfaceKey::Delete);
    EXPECT_EQ(Section("Images").find("Map1_Area_3"), std::string::npos);
    DrawArea(159, 102, 189, 122);
    EXPECT_EQ(session.DocumentText(), nudged);
}

TEST_F(SurfaceKeyboardTest, ResizingKeepsTheSmallestOutlineAndMovesStopAtThePageEdge) {
    DrawArea(150, 100, 180, 120);
    Key(SurfaceKey::Right, true, true);
    Key(SurfaceKey::Down, false, true);
    for (int i = 0; i < 5; ++i) {
        Key(SurfaceKey::Up, true, true);
    }
    EXPECT_NE(Section("Images").find("COORDS='50,50,90,55'"), std::string::npos);

    for (int i = 0; i < 20; ++i) {
        Key(SurfaceKey::Left, true);
    }
    EXPECT_EQ(Selected()->Left, 0);
    EXPECT_EQ(Selected()->Top, 100);
}

TEST_F(SurfaceKeyboardTest, TabStepsThroughTheAreasAndThePressedOneIsHighlighted) {
    const ClickableAreas& areas = session.Design().Areas;
    Key(SurfaceKey::Tab);
    EXPECT_EQ(Selected(), areas.Item(1));
    EXPECT_EQ(surface.highlighted, areas.Item(1)->Index);
    Key(SurfaceKey::BackTab);  // round past the first
    EXPECT_EQ(Selected(), areas.Item(3));

    // A press on an area selects it, a press beside every area selects none.
    Mouse().MouseDown(kLeftButton, 120, 70);
    EXPECT_EQ(Selected(), areas.Item(1));
    now += 1;  // a slow press: no link is followed
    Mouse().MouseUp(kLeftButton, 120, 70);
    Mouse().MouseDown(kLeftButton, 250, 150);
    EXPECT_EQ(Selected(), nullptr);
    EXPECT_EQ(surface.highlighted, -1);
    Mouse().MouseDown(kRightButton, 115, 315);
    EXPECT_EQ(Selected(), areas.Item(2));
}

TEST_F(SurfaceKeyboardTest, AfterAnUndoRebuildsThePageTheOldSelectionIsNotWorkedOn) {
    session.RecordEdit();
    DrawArea(150, 100, 180, 120);
    session.RecordEdit();
    const std::string drawn = session.DocumentText();
    session.UndoCommand();
    session.RedoCommand();
    ASSERT_EQ(session.DocumentText(), drawn);
    EXPECT_EQ(Selected(), nullptr);
    Key(SurfaceKey::Right);
    Key(SurfaceKey::Delete);
    EXPECT_EQ(session.DocumentText(), drawn);
}

TEST_F(SurfaceKeyboardTest, ABalloonMovesInTheBalloonsSection) {
    Choose(250, 150, "mnuImageDrawBalloon");
    LeftDrag(150, 100, 250, 160, 1.0);
    Key(SurfaceKey::Down, true);
    EXPECT_NE(Section("Balloons").find("left:150px; top:110px"), std::string::npos)
        << Section("Balloons");
}

}  // namespace
}  // namespace htmlsim::testing
