#include "DesignSurface.h"

#include <gtest/gtest.h>

#include <QTest>

#include "../OverlappingPage.h"
#include "FakeDialogs.h"
#include "QtPictures.h"
#include "import/DocumentImport.h"
#include "surface/ShapePool.h"

namespace htmlsim::gui {

namespace {

// The pallet and container in the container's and the surface's own coordinates.
struct Shown {
    QRect container;
    QRect pallet;
};

Shown ShownAt(DesignSurface& surface, int horizontal, int vertical) {
    surface.HScroll1()->setValue(horizontal);
    surface.VScroll1()->setValue(vertical);
    return {surface.pctContainer()->geometry(), surface.pctPallet()->geometry()};
}

}  // namespace

TEST(DesignSurface, ScrollBarsRunFromTheNearEdgesToTheFarEdges) {
    DesignSurface surface;
    surface.resize(800, 600);
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    EXPECT_EQ(surface.HScroll1()->minimum(), 0);
    EXPECT_EQ(surface.HScroll1()->maximum(), 100);
    EXPECT_EQ(surface.VScroll1()->singleStep(), 5);
    EXPECT_EQ(surface.VScroll1()->pageStep(), 20);

    const Shown start = ShownAt(surface, 0, 0);
    EXPECT_EQ(start.pallet.topLeft(), QPoint(0, 0));
    EXPECT_EQ(start.pallet.width(), qRound(start.container.width() * 1.2));
    EXPECT_EQ(start.pallet.height(), qRound(start.container.height() * 2.5));
    // The bars hug the window's right and bottom edges.
    EXPECT_EQ(surface.VScroll1()->geometry().left(), start.container.right() + 1);
    EXPECT_EQ(surface.HScroll1()->geometry().top(), start.container.bottom() + 1);
    EXPECT_EQ(surface.VScroll1()->geometry().right(), 799);
    EXPECT_EQ(surface.HScroll1()->geometry().bottom(), 599);

    const Shown end = ShownAt(surface, 100, 100);
    EXPECT_EQ(end.pallet.right(), end.container.width() - 1);
    EXPECT_EQ(end.pallet.bottom(), end.container.height() - 1);
    surface.ScrollHome();
    EXPECT_EQ(surface.pctPallet()->pos(), QPoint(0, 0));

    // Small steps by the arrow keys move the surface too.
    ShownAt(surface, 0, 0);
    surface.HScroll1()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(surface.HScroll1()->value(), 5);
    EXPECT_LT(surface.pctPallet()->x(), 0);
}

TEST(DesignSurface, FollowsTheWindowAndShrinksToNothingWithoutError) {
    DesignSurface surface;
    surface.resize(400, 300);
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    const Shown small = ShownAt(surface, 100, 100);
    surface.resize(900, 700);
    const Shown large = ShownAt(surface, 100, 100);
    EXPECT_GT(large.container.width(), small.container.width());
    EXPECT_EQ(large.pallet.right(), large.container.width() - 1);

    surface.resize(5, 5);
    const Shown none = ShownAt(surface, 50, 50);
    EXPECT_EQ(none.container.size(), QSize(0, 0));
    EXPECT_EQ(none.pallet.size(), QSize(0, 0));
}

TEST(DesignSurface, ShowsWhatIsPaintedAndOutlinedOnTheCanvas) {
    DesignSurface surface;
    surface.resize(600, 400);
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    QImage green(30, 20, QImage::Format_RGB32);
    green.fill(Qt::green);
    const QtPicture picture(green);
    surface.Canvas().PaintPicture(&picture, 10, 10, 30, 20, RasterOp::Copy);
    surface.Canvas().ShowOutline(0, 100, 100, 40, 40);

    const QImage shown = surface.pctPallet()->grab().toImage();
    EXPECT_EQ(shown.pixel(20, 20), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(60, 60), qRgb(255, 255, 255));
    EXPECT_NE(shown.pixel(100, 120), qRgb(255, 255, 255));
    EXPECT_NE(shown.pixel(139, 120), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(120, 120), qRgb(255, 255, 255));
}

}  // namespace htmlsim::gui

namespace htmlsim::gui {

TEST(DesignSurface, ShowsAnImportedPageWithItsImagesInIndexOrderAndItsOutlines) {
    testing::TempFolder folder;
    const std::string page = testing::WriteOverlappingPage(folder);
    DesignSurface surface;
    surface.resize(600, 400);
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));

    PageDesign design;
    QtPictures pictures;
    testing::FakeDialogs dialogs;
    ImportContext context{design, surface.Canvas(), pictures, dialogs,
                          folder.Path().string() + "/"};
    ImportDocument(testing::ReadFileBytes(page), context);
    EXPECT_TRUE(dialogs.messages.empty());
    testing::ExpectOverlappingPage(surface.pctPallet()->grab().toImage());
}

TEST(DesignSurface, AFreedOutlineElementIsReusedBeforeTheArrayGrows) {
    DesignSurface surface;
    surface.resize(600, 400);
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    ImageSurface& canvas = surface.Canvas();
    ShapePool shapes;
    for (int expected = 0; expected < 3; ++expected) {
        const int index = shapes.NextFreeShapeIndex(canvas);
        EXPECT_EQ(index, expected);
        shapes.Place(canvas, index, 10 + 40 * index, 10, 20, 20);
    }
    const auto shownAt = [&](int x, int y) {
        return surface.pctPallet()->grab().toImage().pixel(x, y) != qRgb(255, 255, 255);
    };
    EXPECT_TRUE(shownAt(50, 10));

    shapes.Unload(canvas, 1);
    EXPECT_FALSE(shownAt(50, 10));
    EXPECT_EQ(canvas.Outlines().size(), 2u);

    EXPECT_EQ(shapes.NextFreeShapeIndex(canvas), 1);
    shapes.Place(canvas, 1, 200, 100, 20, 20);
    EXPECT_TRUE(shownAt(200, 100));
    EXPECT_FALSE(shownAt(50, 10));
    EXPECT_TRUE(shownAt(90, 10));  // element 2 stays where it was
    EXPECT_EQ(shapes.NextFreeShapeIndex(canvas), 3);
}

}  // namespace htmlsim::gui
