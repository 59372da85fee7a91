#pragma once

#include "services/Pictures.h"
#include "util/RuntimeError.h"

namespace htmlsim {

// A picture service that decodes nothing, for sessions that never show a picture.
class NoPictures : public Pictures {
  public:
    PicturePtr LoadFile(const std::string&) override { return nullptr; }
    PicturePtr LoadBytes(const std::string&) override { return nullptr; }
    void SaveJpeg(const Picture&, const std::string&, int) override {
        throw RuntimeError("No picture encoder is available.");
    }
};

}  // namespace htmlsim
