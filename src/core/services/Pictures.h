#pragma once

#include <memory>
#include <string>

namespace htmlsim {

// A decoded picture. The platform keeps the pixels; the core only needs its size and a handle
// to pass back to the platform for painting and saving.
class Picture {
public:
    virtual ~Picture() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

using PicturePtr = std::shared_ptr<const Picture>;

// Decoding and encoding of picture files (BMP, JPEG, GIF, PNG).
class Pictures {
public:
    virtual ~Pictures() = default;
    // nullptr when the file cannot be read or is not a picture.
    virtual PicturePtr LoadFile(const std::string& path) = 0;
    // nullptr when the bytes are not a picture.
    virtual PicturePtr LoadBytes(const std::string& bytes) = 0;
    // Writes a JPEG at the given quality (0 to 100); throws RuntimeError with a description.
    virtual void SaveJpeg(const Picture& picture, const std::string& path, int quality) = 0;
};

}  // namespace htmlsim
