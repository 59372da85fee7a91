#include "QtPictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <filesystem>

#include "TempFolder.h"
#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

QImage Filled(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
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

// Qt writes no GIF, so here is one red pixel by hand.
const char kRedPixelGif[] =
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\xff\xff\xff"
    ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";

}  // namespace

TEST(QtPictures, LoadsTheFourFormatsFromFilesAndBytesAndAHandMadeGif) {
    testing::TempFolder folder;
    QtPictures pictures;
    // The content decides, not the name.
    std::filesystem::copy_file(SavedAs(folder, "b.bmp", Filled(40, 30, Qt::red)),
                               folder.File("bmp-named.png"));
    for (const char* name : {"a.bmp", "a.jpg", "a.png", "bmp-named.png"}) {
        const std::string path = name == std::string("bmp-named.png")
                                     ? folder.File(name)
                                     : SavedAs(folder, name, Filled(40, 30, Qt::red));
        const PicturePtr fromFile = pictures.LoadFile(path);
        ASSERT_NE(fromFile, nullptr) << name;
        EXPECT_EQ(fromFile->Width(), 40) << name;
        EXPECT_EQ(fromFile->Height(), 30) << name;
        const PicturePtr fromBytes = pictures.LoadBytes(testing::ReadFileBytes(path));
        ASSERT_NE(fromBytes, nullptr) << name;
        EXPECT_EQ(PictureImage(*fromBytes), PictureImage(*fromFile)) << name;
    }
    const PicturePtr gif = pictures.LoadBytes(std::string(kRedPixelGif, sizeof kRedPixelGif - 1));
    ASSERT_NE(gif, nullptr);
    EXPECT_EQ(PictureImage(*gif).pixel(0, 0), qRgb(255, 0, 0));
}

TEST(QtPictures, RefusesWhatIsNotOneOfTheFourFormats) {
    testing::TempFolder folder;
    QtPictures pictures;
    EXPECT_EQ(pictures.LoadFile(folder.File("missing.png")), nullptr);
    EXPECT_EQ(pictures.LoadFile(folder.Path().string()), nullptr);  // a folder
    EXPECT_EQ(pictures.LoadBytes(""), nullptr);
    EXPECT_EQ(pictures.LoadBytes("<html><body>not a picture</body></html>"), nullptr);
    EXPECT_EQ(pictures.LoadFile(SavedAs(folder, "a.ppm", Filled(4, 4, Qt::red))), nullptr);
    std::string truncated = testing::ReadFileBytes(SavedAs(folder, "t.png", Striped(64, 64)));
    truncated.resize(60);
    EXPECT_EQ(pictures.LoadBytes(truncated), nullptr);
}

TEST(QtPictures, SavesJpegAtTheQualityAsked) {
    testing::TempFolder folder;
    QtPictures pictures;
    const PicturePtr picture = pictures.LoadFile(SavedAs(folder, "s.png", Striped(120, 80)));
    ASSERT_NE(picture, nullptr);

    pictures.SaveJpeg(*picture, folder.File("low.jpg"), 10);
    pictures.SaveJpeg(*picture, folder.File("high.jpg"), 95);
    EXPECT_LT(std::filesystem::file_size(folder.File("low.jpg")),
              std::filesystem::file_size(folder.File("high.jpg")));
    const PicturePtr reread = pictures.LoadFile(folder.File("high.jpg"));
    ASSERT_NE(reread, nullptr);
    EXPECT_EQ(reread->Width(), 120);
    EXPECT_EQ(reread->Height(), 80);
    EXPECT_EQ(QImageReader(QString::fromStdString(folder.File("high.jpg"))).format(), "jpeg");
}

TEST(QtPictures, JpegShowsTransparencyAsWhiteAndFailuresAreReported) {
    testing::TempFolder folder;
    QtPictures pictures;
    QImage clear(16, 16, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    const PicturePtr picture = pictures.LoadFile(SavedAs(folder, "clear.png", clear));
    ASSERT_NE(picture, nullptr);
    pictures.SaveJpeg(*picture, folder.File("clear.jpg"), 90);
    const QImage saved(QString::fromStdString(folder.File("clear.jpg")));
    EXPECT_GT(qGray(saved.pixel(8, 8)), 245);

    EXPECT_THROW(pictures.SaveJpeg(*picture, folder.File("missing/x.jpg"), 80), RuntimeError);
    EXPECT_THROW(pictures.SaveJpeg(*picture, folder.Path().string(), 80), RuntimeError);
    EXPECT_THROW(pictures.SaveJpeg(QtPicture(QImage()), folder.File("none.jpg"), 80), RuntimeError);
}

}  // namespace htmlsim
