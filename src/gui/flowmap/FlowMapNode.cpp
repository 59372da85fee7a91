#include "flowmap/FlowMapNode.h"

#include <QBrush>
#include <QFontMetrics>
#include <QGraphicsPixmapItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QImageReader>
#include <QPen>
#include "QtText.h"

namespace htmlsim::gui {

namespace {

constexpr int kThumbWidth = 136;
constexpr int kThumbHeight = 84;
constexpr qreal kMargin = 7;

// Only as many pixels as the thumbnail shows are decoded, so fifty screenshots load quickly.
QPixmap Thumbnail(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    QImageReader reader(ToQPath(path));
    const QSize size = reader.size();
    if (!size.isValid()) {
        return {};
    }
    reader.setScaledSize(size.scaled(kThumbWidth, kThumbHeight, Qt::KeepAspectRatio));
    return QPixmap::fromImage(reader.read());
}

QPen FramePen(FlowPageState state, bool hasProblems) {
    if (state == FlowPageState::Missing) {
        return QPen(Qt::red, 2, Qt::DashLine);
    }
    QPen pen(hasProblems ? QColor(230, 120, 0) : QColor(70, 70, 70), hasProblems ? 3 : 1.5);
    if (state == FlowPageState::Orphan) {
        pen.setStyle(Qt::DotLine);
    }
    return pen;
}

}  // namespace

FlowMapNode::FlowMapNode(const FlowPage& page, bool hasProblems, size_t index)
    : QGraphicsRectItem(0, 0, kWidth, kHeight), mIndex(index) {
    setPen(FramePen(page.state, hasProblems));
    setBrush(page.state == FlowPageState::Missing ? QColor(255, 235, 235) : QColor(Qt::white));
    setToolTip(ToQPath(page.path));
    setZValue(1);

    const QPixmap thumbnail = Thumbnail(page.picturePath);
    if (!thumbnail.isNull()) {
        auto* picture = new QGraphicsPixmapItem(thumbnail, this);
        picture->setPos((kWidth - thumbnail.width()) / 2, kMargin);
    }
    auto* name = new QGraphicsSimpleTextItem(this);
    const QFontMetrics metrics(name->font());
    name->setText(metrics.elidedText(ToQPath(page.name), Qt::ElideMiddle,
                                     static_cast<int>(kWidth - 2 * kMargin)));
    name->setBrush(page.state == FlowPageState::Missing ? QBrush(Qt::red) : QBrush(Qt::black));
    name->setPos((kWidth - name->boundingRect().width()) / 2,
                 kHeight - kMargin - name->boundingRect().height());
}

// Taking the press makes the node the one the double click goes to.
void FlowMapNode::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
}

void FlowMapNode::mouseDoubleClickEvent(QGraphicsSceneMouseEvent*) {
    if (Opened) {
        Opened(mIndex);
    }
}

}  // namespace htmlsim::gui
