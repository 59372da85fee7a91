#include "ImageSurface.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <vector>

#include "QtPictures.h"

namespace htmlsim {

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

QtPicture Solid(int width, int height, QRgb color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return QtPicture(image);
}

QRgb PixelAt(const ImageSurface& surface, int x, int y) {
    return surface.RenderImage(QSize(x + 1, y + 1)).pixel(x, y);
}

}  // namespace

TEST(ImageSurface, PaintsPicturesStretchedIntoTheirRectangles) {
    ImageSurface surface;
    const QtPicture red = Solid(2, 2, kRed);
    surface.PaintPicture(&red, 10, 20, 40, 30, RasterOp::Copy);
    EXPECT_EQ(surface.Extent(), QSize(50, 50));
    const QImage shown = surface.RenderImage();
    EXPECT_EQ(shown.size(), QSize(50, 50));
    EXPECT_EQ(shown.pixel(10, 20), kRed);
    EXPECT_EQ(shown.pixel(49, 49), kRed);
    EXPECT_EQ(shown.pixel(9, 20), kWhite);
    EXPECT_EQ(shown.pixel(10, 19), kWhite);

    // A picture with nothing to show changes nothing.
    surface.PaintPicture(nullptr, 0, 0, 10, 10, RasterOp::Copy);
    surface.PaintPicture(&red, 60, 60, 0, 10, RasterOp::Copy);
    EXPECT_EQ(surface.Extent(), QSize(50, 50));
}

TEST(ImageSurface, ErasingAnImageThatOverlapsAnotherLeavesAWhiteHole) {
    ImageSurface surface;
    const QtPicture red = Solid(40, 40, kRed);
    const QtPicture blue = Solid(40, 40, kBlue);
    surface.PaintPicture(&red, 0, 0, 40, 40, RasterOp::Copy);
    surface.PaintPicture(&blue, 20, 20, 40, 40, RasterOp::Copy);
    EXPECT_EQ(PixelAt(surface, 30, 30), kBlue);  // the later image covers the earlier

    surface.PaintPicture(&blue, 20, 20, 40, 40, RasterOp::White);
    EXPECT_EQ(PixelAt(surface, 10, 10), kRed);
    EXPECT_EQ(PixelAt(surface, 30, 30), kWhite);  // the hole in the red image
    EXPECT_EQ(PixelAt(surface, 50, 50), kWhite);

    // Painting every image again in index order heals it.
    surface.PaintPicture(&red, 0, 0, 40, 40, RasterOp::Copy);
    EXPECT_EQ(PixelAt(surface, 30, 30), kRed);

    surface.ClearPicture();
    EXPECT_EQ(surface.Extent(), QSize(0, 0));
    EXPECT_EQ(PixelAt(surface, 10, 10), kWhite);
}

TEST(ImageSurface, GrowsAsPicturesArePaintedAndStopsAtItsLimit) {
    ImageSurface surface;
    const QtPicture red = Solid(10, 10, kRed);
    surface.PaintPicture(&red, 0, 0, 10, 10, RasterOp::Copy);
    surface.PaintPicture(&red, 600, 900, 10, 10, RasterOp::Copy);
    EXPECT_EQ(PixelAt(surface, 5, 5), kRed);  // kept when the bitmap grew
    EXPECT_EQ(PixelAt(surface, 605, 905), kRed);

    surface.PaintPicture(&red, -5, -5, 10, 10, RasterOp::Copy);
    EXPECT_EQ(PixelAt(surface, 0, 0), kRed);

    const int beyond = ImageSurface::kMaxSide;
    surface.PaintPicture(&red, beyond, 0, 10, 10, RasterOp::Copy);
    surface.PaintPicture(&red, 32000, 32000, 32000, 32000, RasterOp::Copy);
    EXPECT_EQ(surface.Extent(), QSize(610, 910));
    surface.PaintPicture(&red, beyond - 5, 0, 10, 10, RasterOp::Copy);
    EXPECT_EQ(surface.Extent().width(), beyond);
}

TEST(ImageSurface, OutlinesLieOverTheBitmapUntilHiddenOrUnloaded) {
    ImageSurface surface;
    const QtPicture red = Solid(100, 100, kRed);
    surface.PaintPicture(&red, 0, 0, 100, 100, RasterOp::Copy);
    surface.ShowOutline(1, 10, 10, 20, 20);
    const QImage shown = surface.RenderImage();
    EXPECT_NE(shown.pixel(10, 10), kRed);
    EXPECT_NE(shown.pixel(29, 29), kRed);
    EXPECT_EQ(shown.pixel(30, 30), kRed);
    EXPECT_EQ(shown.pixel(20, 20), kRed);  // only the edge is drawn

    surface.HideOutline(1);
    EXPECT_EQ(PixelAt(surface, 10, 10), kRed);
    ASSERT_EQ(surface.Outlines().count(1), 1u);
    EXPECT_FALSE(surface.Outlines().at(1).visible);

    surface.ShowOutline(1, 150, 150, 5, 5);  // a hidden outline comes back where it is told
    EXPECT_EQ(surface.Extent(), QSize(155, 155));
    surface.UnloadOutline(1);
    surface.UnloadOutline(7);  // never loaded: nothing happens
    EXPECT_TRUE(surface.Outlines().empty());
    EXPECT_EQ(surface.Extent(), QSize(100, 100));
}

TEST(ImageSurface, ReportsEachChangedRectangle) {
    ImageSurface surface;
    std::vector<QRect> changes;
    surface.SetChangeHandler([&](const QRect& rect) { changes.push_back(rect); });
    const QtPicture red = Solid(4, 4, kRed);
    surface.PaintPicture(&red, 1, 2, 3, 4, RasterOp::Copy);
    surface.ShowOutline(0, 5, 5, 10, 10);
    surface.ShowOutline(0, 20, 5, 10, 10);
    surface.HideOutline(0);
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(changes[0], QRect(1, 2, 3, 4));
    EXPECT_EQ(changes[2], QRect(5, 5, 25, 10));  // old and new place of the moved outline
    EXPECT_EQ(changes[3], QRect(20, 5, 10, 10));
}

}  // namespace htmlsim
