#include <gtest/gtest.h>

#include <QImage>

#include "../Pictures.h"
#include "ImageSurface.h"
#include "QtPictures.h"
#include "TempFolder.h"
#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

QtPicture Solid(int width, int height, QRgb color) {
    return QtPicture(testing::Filled(width, height, color));
}

QRgb PixelAt(const ImageSurface& surface, int x, int y) {
    return surface.RenderImage(QSize(x + 1, y + 1)).pixel(x, y);
}

using testing::CountPixels;

TEST(ImageSurface, ThePageBackgroundShowsWhereNoPictureIsAndWhereOneWasErased) {
    ImageSurface surface;
    const QtPicture red = Solid(40, 40, kRed);
    surface.PaintPicture(&red, 0, 0, 40, 40, RasterOp::Copy);
    surface.PaintPicture(&red, 60, 0, 40, 40, RasterOp::Copy);
    surface.SetPageBackground(SurfaceColor{250, 235, 215});
    surface.PaintPicture(&red, 60, 0, 40, 40, RasterOp::White);
    for (const QPoint at : {QPoint(50, 10), QPoint(70, 10), QPoint(10, 300)}) {
        EXPECT_EQ(PixelAt(surface, at.x(), at.y()), qRgb(250, 235, 215)) << at.x() << "," << at.y();
    }
    EXPECT_EQ(PixelAt(surface, 10, 10), kRed);
}

TEST(ImageSurface, ABalloonIsFilledWithItsColourInsideItsRoundedCornersAndShowsItsText) {
    ImageSurface surface;
    surface.ShowOutline(0, 10, 10, 120, 60);
    surface.DressBalloon(0, BalloonLook{SurfaceColor{0, 0, 255}, 12, "<b>Hi</b><br>there"});
    const QImage shown = surface.RenderImage();
    EXPECT_EQ(shown.pixel(100, 30), kBlue);
    EXPECT_EQ(shown.pixel(12, 12), kWhite);  // outside the rounded corner
    const auto dark = [](QRgb pixel) { return qGray(pixel) < 40; };
    EXPECT_GT(CountPixels(shown, QRect(12, 10, 48, 40), dark), 20) << "the text is drawn";
    // Shown anew, the outline is a plain one again until it is dressed.
    surface.ShowOutline(0, 10, 10, 120, 60);
    EXPECT_EQ(surface.RenderImage().pixel(100, 30), kWhite);
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

    const int beyond = ImageSurface::kMaxSide;
    surface.PaintPicture(&red, beyond, 0, 10, 10, RasterOp::Copy);
    surface.PaintPicture(&red, 32000, 32000, 32000, 32000, RasterOp::Copy);
    EXPECT_EQ(surface.Extent(), QSize(610, 910));
    surface.PaintPicture(&red, beyond - 5, 0, 10, 10, RasterOp::Copy);
    EXPECT_EQ(surface.Extent().width(), beyond);
}

TEST(ImageSurface, CirclesAndPolygonsAreOutlinedAlongTheirShapeNotTheirBox) {
    ImageSurface surface;
    surface.ShowOutline(1, 30, 30, 40, 40);
    surface.ShapeOutline(1, AreaOutline{AreaShapeKind::Circle, {{50, 50}}, 20});
    surface.ShowOutline(2, 100, 10, 50, 50);
    surface.ShapeOutline(2, AreaOutline{AreaShapeKind::Polygon, {{100, 10}, {150, 10}, {100, 60}}});
    const QImage shown = surface.RenderImage(QSize(160, 80));
    for (const QPoint on : {QPoint(70, 50), QPoint(50, 30), QPoint(30, 50), QPoint(125, 35),
                            QPoint(100, 40), QPoint(130, 10)}) {
        EXPECT_NE(shown.pixel(on), kWhite) << on.x() << "," << on.y();
    }
    // The corners of their boxes, where a rectangle would run, stay clear.
    for (const QPoint off : {QPoint(31, 31), QPoint(68, 68), QPoint(148, 58), QPoint(140, 40)}) {
        EXPECT_EQ(shown.pixel(off), kWhite) << off.x() << "," << off.y();
    }

    // Shown anew, an outline is a rectangle again until it is given its shape.
    surface.ShowOutline(2, 100, 10, 50, 50);
    EXPECT_NE(PixelAt(surface, 149, 59), kWhite);
    surface.HighlightOutline(1);
    const QImage highlighted = surface.RenderImage();
    EXPECT_GT(CountPixels(highlighted, highlighted.rect(),
                          [](QRgb pixel) { return pixel == ImageSurface::kHighlightColor; }),
              100);
    EXPECT_EQ(highlighted.pixel(50, 30), kWhite);  // the handle on its top
    EXPECT_EQ(PixelAt(surface, 31, 31), kWhite);
}

// A picture of noise-like stripes, so that JPEG quality makes a visible difference in size.
QImage Striped(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((x * 37) % 256, (y * 91) % 256, ((x ^ y) * 13) % 256));
        }
    }
    return image;
}

std::string SavedAs(const testing::TempFolder& folder, const std::string& name,
                    const QImage& image) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(image.save(QString::fromStdString(path))) << name;
    return path;
}

TEST(QtPictures, RefusesOtherFormatsAndWritesJpegOverWhite) {
    testing::TempFolder folder;
    QtPictures pictures;
    EXPECT_EQ(pictures.LoadFile(folder.File("missing.png")), nullptr);
    EXPECT_EQ(pictures.LoadBytes(""), nullptr);
    EXPECT_EQ(pictures.LoadBytes("<html><body>not a picture</body></html>"), nullptr);
    EXPECT_EQ(pictures.LoadFile(SavedAs(folder, "a.ppm", testing::Filled(4, 4, Qt::red))), nullptr);
    std::string truncated = testing::ReadFileBytes(SavedAs(folder, "t.png", Striped(64, 64)));
    truncated.resize(60);
    EXPECT_EQ(pictures.LoadBytes(truncated), nullptr);

    // A JPEG shows transparency as white; failures to write are reported.
    QImage clear(16, 16, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    const PicturePtr picture = pictures.LoadFile(SavedAs(folder, "clear.png", clear));
    ASSERT_NE(picture, nullptr);
    pictures.SaveJpeg(*picture, folder.File("clear.jpg"), 90);
    const QImage saved(QString::fromStdString(folder.File("clear.jpg")));
    EXPECT_GT(qGray(saved.pixel(8, 8)), 245);

    EXPECT_THROW(pictures.SaveJpeg(*picture, folder.File("missing/x.jpg"), 80), RuntimeError);
    EXPECT_THROW(pictures.SaveJpeg(QtPicture(QImage()), folder.File("none.jpg"), 80), RuntimeError);
}

}  // namespace
}  // namespace htmlsim
