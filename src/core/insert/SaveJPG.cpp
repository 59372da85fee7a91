#include "insert/SaveJPG.h"

#include <exception>

namespace htmlsim {

void SaveJPG(Pictures& pictures, Dialogs& dialogs, const Picture& picture, const std::string& path,
             int quality) {
    try {
        pictures.SaveJpeg(picture, path, quality);
    } catch (const std::exception& failure) {
        dialogs.Message(failure.what());
    }
}

}  // namespace htmlsim
