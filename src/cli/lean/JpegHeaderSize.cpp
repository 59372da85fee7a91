#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "HeaderSize.h"

namespace htmlsim::cli {

namespace {

struct JumpingErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JumpingErrors*>(info->err)->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

// An Exif block may turn the picture: that is left to the full program.
bool HasExif(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
        if (marker->marker == JPEG_APP0 + 1) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<HeaderSize> JpegHeaderSize(std::FILE* file) {
    jpeg_decompress_struct info{};
    JumpingErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpBack;
    errors.manager.output_message = IgnoreMessage;
    std::optional<HeaderSize> size;
    // libjpeg reports a refused header by jumping back here.
    if (setjmp(errors.jump) == 0) {
        jpeg_create_decompress(&info);
        jpeg_stdio_src(&info, file);
        jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
        jpeg_read_header(&info, TRUE);
        jpeg_calc_output_dimensions(&info);
        if (!HasExif(info)) {
            size = HeaderSize{static_cast<int>(info.output_width),
                              static_cast<int>(info.output_height)};
        }
    }
    jpeg_destroy_decompress(&info);
    return size;
}

}  // namespace htmlsim::cli
