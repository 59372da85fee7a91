#include "QtPictures.h"

#include <gtest/gtest.h>

#include <QImage>

#include "../Pictures.h"
#include "TempFolder.h"
#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

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

}  // namespace

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

}  // namespace htmlsim
