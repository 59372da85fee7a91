#include "HeaderPictureSizes.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "HeaderSize.h"
#include "ProgramParts.h"
#include "util/RuntimeError.h"

namespace htmlsim::cli {

namespace {

class SizedPicture : public Picture {
  public:
    explicit SizedPicture(HeaderSize size) : mSize(size) {}
    int Width() const override { return mSize.width; }
    int Height() const override { return mSize.height; }

  private:
    HeaderSize mSize;
};

using Reader = std::optional<HeaderSize> (*)(std::FILE*);

// Qt takes a picture's format from its name's suffix when the bytes agree: a file whose name
// and first bytes name the same format is read the same way here.
Reader ReaderFor(const std::filesystem::path& path, std::FILE* file) {
    std::string suffix = path.extension().string();
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::array<unsigned char, 8> start{};
    const size_t read = std::fread(start.data(), 1, start.size(), file);
    std::rewind(file);
    static constexpr std::array<unsigned char, 8> kPng = {0x89, 'P',  'N',  'G',
                                                          0x0d, 0x0a, 0x1a, 0x0a};
    if (suffix == ".png" && read == kPng.size() && start == kPng) {
        return PngHeaderSize;
    }
    if ((suffix == ".jpg" || suffix == ".jpeg") && read >= 2 && start[0] == 0xff &&
        start[1] == 0xd8) {
        return JpegHeaderSize;
    }
    return nullptr;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

PicturePtr HeaderPictureSizes::LoadFile(const std::string& path) {
    // A folder or a pipe is no picture, and reading a pipe could wait for ever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return nullptr;
    }
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    const Reader reader = file ? ReaderFor(path, file.get()) : nullptr;
    const std::optional<HeaderSize> size = reader ? reader(file.get()) : std::nullopt;
    if (!size || size->width <= 0 || size->height <= 0) {
        HandOverToFullProgram();
        return nullptr;
    }
    return std::make_shared<SizedPicture>(*size);
}

PicturePtr HeaderPictureSizes::LoadBytes(const std::string&) {
    HandOverToFullProgram();
    return nullptr;
}

void HeaderPictureSizes::SaveJpeg(const Picture&, const std::string&, int) {
    throw RuntimeError("Only the sizes of these pictures are known.");
}

}  // namespace htmlsim::cli
