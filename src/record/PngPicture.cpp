#include "PngPicture.h"

#include <QSaveFile>
#include <QString>

#include "QtText.h"
#include "util/RuntimeError.h"

namespace htmlsim::record {

RecordedPicture PngPicture(const QImage& screen) {
    return {
        screen.width(), screen.height(), [screen](const std::string& path) {
            QSaveFile file(ToQPath(path));
            if (!file.open(QIODevice::WriteOnly) || !screen.save(&file, "PNG") || !file.commit()) {
                throw RuntimeError("The picture '" + path +
                                   "' cannot be written: " + FromQString(file.errorString()));
            }
        }};
}

}  // namespace htmlsim::record
