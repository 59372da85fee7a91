#include "PngPicture.h"

#include <QSaveFile>
#include <QString>

#include "util/RuntimeError.h"

namespace htmlsim::record {

RecordedPicture PngPicture(const QImage& screen) {
    return {
        screen.width(), screen.height(), [screen](const std::string& path) {
            QSaveFile file(QString::fromStdString(path));
            if (!file.open(QIODevice::WriteOnly) || !screen.save(&file, "PNG") || !file.commit()) {
                throw RuntimeError("The picture '" + path +
                                   "' cannot be written: " + file.errorString().toStdString());
            }
        }};
}

}  // namespace htmlsim::record
