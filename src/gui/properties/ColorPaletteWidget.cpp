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
    painter.setPen(Qt::black);
    const auto& colors = CssColors().Rows();
    const auto& cells = mLayout.Cells();
    for (size_t i = 0; i < cells.size(); ++i) {
        const QRectF cell(cells[i].X, cells[i].Y, mLayout.ColumnWidth(), mLayout.RowHeight());
        painter.fillRect(cell, QColor(colors[i].R, colors[i].G, colors[i].B));
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
