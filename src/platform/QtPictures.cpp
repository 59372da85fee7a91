#include "QtPictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "QtText.h"
#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

// JPEG has no transparency: transparent parts are shown on white, as a browser shows them.
QImage OpaqueOnWhite(const QImage& image) {
    if (!image.hasAlphaChannel()) {
        return image;
    }
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}

// A failure of the writer, told by its error number.
RuntimeError WriteFailure(QImageWriter::ImageWriterError error) {
    return RuntimeError("Cannot save the image. GDI+ Error:" +
                        std::to_string(static_cast<int>(error)));
}

}  // namespace

bool IsAcceptedPictureFormat(const QByteArray& format) {
    return format == "bmp" || format == "jpeg" || format == "jpg" || format == "gif" ||
           format == "png";
}

PicturePtr PictureFromImage(const QImage& image) {
    if (image.isNull()) {
        return nullptr;
    }
    // One pixel format for every picture keeps painting fast and uniform.
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return std::make_shared<QtPicture>(image.convertToFormat(format));
}

const QImage& PictureImage(const Picture& picture) {
    static const QImage none;
    const auto* qtPicture = dynamic_cast<const QtPicture*>(&picture);
    return qtPicture ? qtPicture->Image() : none;
}

PicturePtr QtPictures::LoadFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return nullptr;
    }
    std::ifstream file(path, std::ios::binary);
    std::string bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        return nullptr;  // unreadable, as a special file can be
    }
    return file ? LoadBytes(bytes) : nullptr;
}

PicturePtr QtPictures::LoadBytes(const std::string& bytes) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!IsAcceptedPictureFormat(reader.format())) {
        return nullptr;
    }
    return PictureFromImage(reader.read());
}

void QtPictures::SaveJpeg(const Picture& picture, const std::string& path, int quality) {
    const QImage& image = PictureImage(picture);
    if (image.isNull()) {
        throw RuntimeError("There is no picture to save.");
    }
    QSaveFile file(ToQPath(path));
    if (!file.open(QIODevice::WriteOnly)) {
        throw WriteFailure(QImageWriter::DeviceError);
    }
    QImageWriter writer(&file, "jpg");
    writer.setQuality(quality);
    if (!writer.write(OpaqueOnWhite(image))) {
        throw WriteFailure(writer.error());
    }
    if (!file.commit()) {
        throw WriteFailure(QImageWriter::DeviceError);
    }
}

}  // namespace htmlsim
