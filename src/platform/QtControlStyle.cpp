#include "QtControlStyle.h"

#include <QString>
#include "QtText.h"

namespace htmlsim {

QFont ToQFont(const TextFont& font) {
    QFont qfont(ToQString(font.Name));
    qfont.setPointSizeF(font.Size);
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    qfont.setUnderline(font.Underline);
    return qfont;
}

QColor ToQColor(ColorNumber color) {
    const auto bits = static_cast<uint32_t>(color);
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

}  // namespace htmlsim
