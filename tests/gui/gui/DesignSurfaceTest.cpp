#include "DesignSurface.h"

#include <gtest/gtest.h>

#include <QTest>

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

// The sizes come from the core's layout; here the bars must move the widgets and follow the
// window.
TEST(DesignSurface, ScrollBarsRunFromTheNearEdgesToTheFarEdgesAndFollowTheWindow) {
    DesignSurface surface;
    surface.resize(800, 600);
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    const Shown start = ShownAt(surface, 0, 0);
    EXPECT_EQ(start.pallet.topLeft(), QPoint(0, 0));

    const Shown end = ShownAt(surface, 100, 100);
    EXPECT_EQ(end.pallet.right(), end.container.width() - 1);
    EXPECT_EQ(end.pallet.bottom(), end.container.height() - 1);
    surface.ScrollHome();
    EXPECT_EQ(surface.pctPallet()->pos(), QPoint(0, 0));

    surface.resize(900, 700);
    const Shown large = ShownAt(surface, 100, 100);
    EXPECT_GT(large.container.width(), end.container.width());
    EXPECT_EQ(large.pallet.right(), large.container.width() - 1);
    surface.resize(5, 5);
    const Shown none = ShownAt(surface, 50, 50);
    EXPECT_EQ(none.container.size(), QSize(0, 0));
    EXPECT_EQ(none.pallet.size(), QSize(0, 0));
}

}  // namespace
}  // namespace htmlsim::gui
