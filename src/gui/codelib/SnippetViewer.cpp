#include "codelib/SnippetViewer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

namespace htmlsim::gui {

namespace {

// Tabs are shown as four columns, so that the measured width matches what is painted.
QString Displayed(const QString& text) {
    QString shown = text;
    return shown.replace('\t', QStringLiteral("    "));
}

}  // namespace

SnippetViewer::SnippetViewer(QWidget* parent) : QWidget(parent) {
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    setFont(courier);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    Clear();
}

void SnippetViewer::Clear() {
    mLines = {QVector<Segment>()};
    update();
}

void SnippetViewer::Print(const QString& text, const QColor& color, bool endLine) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList parts = text.split(lineBreak);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            mLines.append(QVector<Segment>());
        }
        if (!parts[i].isEmpty()) {
            mLines.last().append({parts[i], color});
        }
    }
    if (endLine) {
        mLines.append(QVector<Segment>());
    }
    update();
}

QStringList SnippetViewer::Lines() const {
    QStringList lines;
    for (const auto& line : mLines) {
        QString text;
        for (const auto& segment : line) {
            text += segment.text;
        }
        lines << text;
    }
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();  // the line being printed into is not yet a line
    }
    return lines;
}

QColor SnippetViewer::ColorAt(int line, int segment) const {
    return mLines.value(line).value(segment).color;
}

int SnippetViewer::LineHeight() const {
    return QFontMetrics(font()).lineSpacing();
}

int SnippetViewer::CharacterWidth() const {
    return QFontMetrics(font()).horizontalAdvance(QLatin1Char('M'));
}

int SnippetViewer::TextWidth(const QString& line) const {
    return QFontMetrics(font()).horizontalAdvance(Displayed(line));
}

int SnippetViewer::PrintedHeight() const {
    return static_cast<int>(Lines().size()) * LineHeight();
}

void SnippetViewer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    int y = metrics.ascent();
    for (const auto& line : mLines) {
        int x = 0;
        for (const auto& segment : line) {
            const QString shown = Displayed(segment.text);
            painter.setPen(segment.color);
            painter.drawText(x, y, shown);
            x += metrics.horizontalAdvance(shown);
        }
        y += metrics.lineSpacing();
    }
}

}  // namespace htmlsim::gui
