#pragma once

#include <QImage>
#include <string>

namespace htmlsim::testing {

inline QImage Filled(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Writes a picture of one colour in the format the name's extension gives.
inline bool WritePicture(const std::string& path, int width, int height,
                         QColor color = Qt::darkCyan) {
    return Filled(width, height, color).save(QString::fromStdString(path));
}

inline bool HasColor(const QImage& image, QRgb color) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == color) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace htmlsim::testing
