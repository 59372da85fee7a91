#pragma once

#include <QImage>

#include "services/Pictures.h"

namespace htmlsim {

// A decoded picture: the pixels the surface paints and the JPEG writer saves.
class QtPicture : public Picture {
  public:
    explicit QtPicture(QImage image) : mImage(std::move(image)) {}
    int Width() const override { return mImage.width(); }
    int Height() const override { return mImage.height(); }
    const QImage& Image() const { return mImage; }

  private:
    QImage mImage;
};

// A picture of these pixels in the one format every picture is kept in; nullptr for a null
// image.
PicturePtr PictureFromImage(const QImage& image);

// The pixels of a picture made by QtPictures; a null image for any other kind of picture.
const QImage& PictureImage(const Picture& picture);

// BMP, JPEG, GIF and PNG, as Qt's readers name them: the formats the program takes pictures in.
bool IsAcceptedPictureFormat(const QByteArray& format);

// Pictures decoded and encoded with Qt's image readers and writers. Only BMP, JPEG, GIF and
// PNG are accepted, whatever else the installed plug-ins could read.
class QtPictures : public Pictures {
  public:
    PicturePtr LoadFile(const std::string& path) override;
    PicturePtr LoadBytes(const std::string& bytes) override;
    void SaveJpeg(const Picture& picture, const std::string& path, int quality) override;
};

}  // namespace htmlsim
