#pragma once

#include <QImage>
#include <QRect>
#include <functional>
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

// How many pixels of the image within `area` are as `counted` wants.
inline int CountPixels(const QImage& image, const QRect& area,
                       const std::function<bool(QRgb)>& counted) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += counted(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

inline bool HasColor(const QImage& image, QRgb color) {
    return CountPixels(image, image.rect(), [color](QRgb pixel) { return pixel == color; }) > 0;
}

}  // namespace htmlsim::testing
