#include <png.h>

#include "HeaderSize.h"

namespace htmlsim::cli {

namespace {

// The full program reports what it cannot read; libpng itself prints nothing.
[[noreturn]] void JumpBack(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

}  // namespace

std::optional<HeaderSize> PngHeaderSize(std::FILE* file) {
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpBack, IgnoreWarning);
    if (!png) {
        return std::nullopt;
    }
    png_infop info = png_create_info_struct(png);
    std::optional<HeaderSize> size;
    // libpng reports a refused header by jumping back here.
    if (info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        // The chunks before the first image data, as Qt reads them for the size.
        png_read_info(png, info);
        size = HeaderSize{static_cast<int>(png_get_image_width(png, info)),
                          static_cast<int>(png_get_image_height(png, info))};
    }
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return size;
}

}  // namespace htmlsim::cli
