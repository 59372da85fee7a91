#include "QtTextMeasurer.h"

#include <QFontMetricsF>
#include <QString>

#include "QtControlStyle.h"
#include "QtText.h"

namespace htmlsim {

TextExtent QtTextMeasurer::Measure(std::string_view text, const TextFont& font) const {
    Key key{std::string(text), font.Name,   font.Size,     font.Pixels,
            font.Bold,         font.Italic, font.Underline};
    if (const auto known = mAnswers.find(key); known != mAnswers.end()) {
        return known->second;
    }
    const QFontMetricsF metrics(ToQFont(font));
    const QString qtext = ToQString(text);
    const TextExtent extent{metrics.horizontalAdvance(qtext), metrics.height()};
    if (mAnswers.size() == kKeptAnswers) {
        mAnswers.clear();
    }
    mAnswers.emplace(std::move(key), extent);
    return extent;
}

}  // namespace htmlsim
