#include "PictureSizes.h"

#include <QBuffer>
#include <QImageReader>
#include <filesystem>

#include "QtPictures.h"

#include "QtText.h"
#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

class SizedPicture : public Picture {
  public:
    explicit SizedPicture(QSize size) : mSize(size) {}
    int Width() const override { return mSize.width(); }
    int Height() const override { return mSize.height(); }

  private:
    QSize mSize;
};

// Only the header is read: the format, then the size.
PicturePtr SizeOf(QImageReader& reader) {
    if (!IsAcceptedPictureFormat(reader.format())) {
        return nullptr;
    }
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        return nullptr;
    }
    return std::make_shared<SizedPicture>(size);
}

}  // namespace

PicturePtr PictureSizes::LoadFile(const std::string& path) {
    // A folder or a pipe is no picture, and reading a pipe could wait for ever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return nullptr;
    }
    QImageReader reader(ToQPath(path));
    return SizeOf(reader);
}

PicturePtr PictureSizes::LoadBytes(const std::string& bytes) {
    QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return SizeOf(reader);
}

void PictureSizes::SaveJpeg(const Picture&, const std::string&, int) {
    throw RuntimeError("Only the sizes of these pictures are known.");
}

}  // namespace htmlsim
