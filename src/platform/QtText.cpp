#include "QtText.h"

#include <QFile>

namespace htmlsim {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQString(const QString& text) {
    return text.toUtf8().toStdString();
}

QString ToQPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string FromQPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
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
