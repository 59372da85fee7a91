#include "properties/ColorPaletteWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "QtControlStyle.h"
#include "QtText.h"
#include "QtTextMeasurer.h"
#include "controls/CssColorTable.h"

namespace htmlsim::gui {

namespace {

// Small enough that the 147 names fit a dialog in a few columns.
TextFont PaletteFont() {
    TextFont font;
    font.Name = "Liberation Sans";
    font.Size = 7;
    return font;
}

constexpr int kPaletteHeight = 400;

// Black names on light colours, white ones on dark colours: the one of the two that stands out
// more, by the colour's relative luminance (sRGB weights on linear light).
QColor NameColorOn(const QColor& background) {
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(background.red()) +
                             0.7152 * linear(background.green()) +
                             0.0722 * linear(background.blue());
    // Where the contrast with black equals that with white.
    return luminance < 0.179 ? Qt::white : Qt::black;
}

}  // namespace

ColorPaletteWidget::ColorPaletteWidget(QWidget* parent)
    : QWidget(parent), mLayout(QtTextMeasurer(), PaletteFont(), kPaletteHeight) {
    setObjectName("pctColor");
    setFont(ToQFont(PaletteFont()));
    setFixedSize(static_cast<int>(std::ceil(mLayout.Width())), kPaletteHeight);
}

void ColorPaletteWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const auto& colors = CssColors().Rows();
    const auto& cells = mLayout.Cells();
    for (size_t i = 0; i < cells.size(); ++i) {
        const QRectF cell(cells[i].X, cells[i].Y, mLayout.ColumnWidth(), mLayout.RowHeight());
        const QColor color(colors[i].R, colors[i].G, colors[i].B);
        painter.fillRect(cell, color);
        painter.setPen(NameColorOn(color));
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop, ToQString(colors[i].Name));
    }
}

void ColorPaletteWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (const auto color = mLayout.HitTest(event->position().x(), event->position().y())) {
        emit ColorClicked(*color);
    }
}

}  // namespace htmlsim::gui
