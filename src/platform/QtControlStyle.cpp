#include "QtControlStyle.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include "QtText.h"

namespace htmlsim {

QFont ToQFont(const TextFont& font) {
    QFont qfont(ToQString(font.Name));
    if (font.Pixels > 0) {
        qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Pixels))));
    } else {
        qfont.setPointSizeF(font.Size);
    }
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
