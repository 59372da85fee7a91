#include "QtTextMeasurer.h"

#include <QFontMetricsF>
#include <QString>

#include "QtControlStyle.h"

namespace htmlsim {

TextExtent QtTextMeasurer::Measure(std::string_view text, const TextFont& font) const {
    const QFontMetricsF metrics(ToQFont(font));
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {metrics.horizontalAdvance(qtext), metrics.height()};
}

}  // namespace htmlsim
