#include "controls/TextControlWidget.h"

#include <QPainter>

#include "QtControlStyle.h"
#include "QtText.h"
#include "controls/TextControl.h"

namespace htmlsim {

TextControlWidget::TextControlWidget(TextControl& control, const DocumentCodec& codec,
                                     QWidget* parent)
    : PageControlWidget(control, parent), mTextControl(control), mCodec(codec) {
    // A browser shows the page behind the text.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TextControlWidget::ApplyPlacement(const ControlPlacement& placement) {
    const TextDrawing& drawing = mTextControl.Drawing();
    PageControlWidget::ApplyPlacement({placement.Left, placement.Top, drawing.ShownWidth,
                                       drawing.ShownHeight, placement.Visible});
}

void TextControlWidget::Redraw() {
    const TextDrawing& drawing = mTextControl.Drawing();
    resize(drawing.ShownWidth, drawing.ShownHeight);
    update();
}

void TextControlWidget::paintEvent(QPaintEvent*) {
    const TextDrawing& drawing = mTextControl.Drawing();
    QPainter painter(this);
    painter.setFont(ToQFont(drawing.ShownFont));
    painter.setPen(ToQColor(drawing.Appearance.ForeColor));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     ShownText(drawing.Text, mCodec));
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace htmlsim
