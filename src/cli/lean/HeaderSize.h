#pragma once

#include <cstdio>
#include <optional>

namespace htmlsim::cli {

struct HeaderSize {
    int width = 0;
    int height = 0;
};

// The size a PNG or JPEG file's header gives, read from the start of `file`; nothing when the
// library refuses the header or the file is one the full program must judge.
std::optional<HeaderSize> PngHeaderSize(std::FILE* file);
std::optional<HeaderSize> JpegHeaderSize(std::FILE* file);

}  // namespace htmlsim::cli
