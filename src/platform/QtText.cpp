#include "QtText.h"

#include <QFile>

namespace htmlsim {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

// A copy of the bytes, not a text conversion: each caller names the encoding (UTF-8, the file
// system's) itself.
std::string Bytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

std::string FromQString(const QString& text) {
    return Bytes(text.toUtf8());
}

QString ToQPath(const std::string& path) {
    // The path's bytes copied unchanged; decodeName applies the file system's encoding.
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string FromQPath(const QString& path) {
    return Bytes(QFile::encodeName(path));
}

QString ShownText(std::string_view bytes, const DocumentCodec& codec) {
    return ToQString(codec.Decode(bytes));
}

std::string FromQtRawText(const QString& raw) {
    QString text = raw;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return FromQString(text);
}

}  // namespace htmlsim
