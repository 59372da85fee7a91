#include "flowmap/FlowMapScene.h"

#include <QGraphicsPathItem>
#include <QGraphicsSimpleTextItem>
#include <QLineF>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <set>

#include "QtText.h"
#include "flowmap/FlowMapNode.h"
#include "linkcheck/FlowLayout.h"

namespace htmlsim::gui {

namespace {

constexpr int kMaxColumns = 8;
constexpr qreal kColumnStep = FlowMapNode::kWidth + 60;
constexpr qreal kRowStep = FlowMapNode::kHeight + 80;
constexpr qreal kArrowHead = 9;
// Arrows in both directions between two pages run side by side.
constexpr qreal kSideOffset = 7;

QColor ClickColour(const std::string& clickType) {
    return clickType == "right" ? QColor(30, 90, 200) : QColor(40, 40, 40);
}

// Where the line from the centre of `rect` towards `towards` leaves the rectangle.
QPointF BorderPoint(const QRectF& rect, QPointF towards) {
    const QPointF centre = rect.center();
    const QPointF delta = towards - centre;
    if (delta.isNull()) {
        return centre;
    }
    const qreal scaleX = delta.x() == 0 ? 1e9 : (rect.width() / 2) / std::abs(delta.x());
    const qreal scaleY = delta.y() == 0 ? 1e9 : (rect.height() / 2) / std::abs(delta.y());
    return centre + delta * std::min({scaleX, scaleY, 1.0});
}

QPainterPath ArrowHead(QPointF tip, QPointF from) {
    const QLineF back(tip, from);
    QLineF side1 = back;
    side1.setLength(kArrowHead);
    side1.setAngle(back.angle() + 25);
    QLineF side2 = back;
    side2.setLength(kArrowHead);
    side2.setAngle(back.angle() - 25);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(side1.p2());
    head.lineTo(side2.p2());
    head.closeSubpath();
    return head;
}

}  // namespace

FlowMapScene::FlowMapScene(const LinkReport& report, QObject* parent) : QGraphicsScene(parent) {
    const FlowGraph& graph = report.graph;
    const std::vector<FlowPlace> places = LayOutFlowGraph(graph, kMaxColumns);
    for (size_t k = 0; k < graph.pages.size(); ++k) {
        auto* node =
            new FlowMapNode(graph.pages[k], report.PageHasProblems(graph.pages[k].name), k);
        const FlowPlace& place = places[k];
        const qreal centring = (kMaxColumns - place.rowSize) * kColumnStep / 2;
        node->setPos(centring + place.column * kColumnStep, place.row * kRowStep);
        node->Opened = [this](size_t page) {
            if (PageOpened) {
                PageOpened(page);
            }
        };
        addItem(node);
        mNodes.push_back(node);
    }
    std::set<std::pair<size_t, size_t>> pairs;
    for (const FlowLink& link : graph.links) {
        pairs.emplace(link.from, link.to);
    }
    for (const FlowLink& link : graph.links) {
        if (link.from == link.to) {
            AddLoop(link);
        } else {
            AddArrow(link, pairs.contains({link.to, link.from}));
        }
        ++mArrowCount;
    }
    setSceneRect(itemsBoundingRect().adjusted(-20, -20, 20, 20));
}

void FlowMapScene::AddArrow(const FlowLink& link, bool reverseExists) {
    const QRectF from = mNodes[link.from]->sceneBoundingRect();
    const QRectF to = mNodes[link.to]->sceneBoundingRect();
    QLineF line(from.center(), to.center());
    const QPointF normal = line.normalVector().unitVector().p2() - line.p1();
    if (reverseExists) {
        line.translate(normal * kSideOffset);
    }
    const QPointF start = BorderPoint(from.translated(line.p1() - from.center()), line.p2());
    const QPointF tip = BorderPoint(to.translated(line.p2() - to.center()), line.p1());
    const QColor colour = ClickColour(link.clickType);
    QPainterPath path(start);
    path.lineTo(tip);
    addPath(path, QPen(colour, 1.4));
    addPath(ArrowHead(tip, start), QPen(colour), QBrush(colour));
    // Along the arrow from its middle outwards: an arrow that passes over a page is labelled
    // where it crosses open ground.
    std::vector<QPointF> spots;
    for (int step = 0; step <= 9; ++step) {
        for (const int side : {-1, 1}) {
            spots.push_back(start + (tip - start) * (0.5 + side * step * 0.05));
        }
    }
    AddLabel(ToQString(link.clickType), spots, colour, reverseExists ? normal : QPointF());
}

void FlowMapScene::AddLoop(const FlowLink& link) {
    const QRectF rect = mNodes[link.from]->sceneBoundingRect();
    const QPointF start(rect.right(), rect.center().y() - 15);
    const QPointF tip(rect.right(), rect.center().y() + 15);
    QPainterPath path(start);
    path.cubicTo(start + QPointF(40, -20), tip + QPointF(40, 20), tip);
    const QColor colour = ClickColour(link.clickType);
    addPath(path, QPen(colour, 1.4));
    addPath(ArrowHead(tip, tip + QPointF(10, 4)), QPen(colour), QBrush(colour));
    AddLabel(ToQString(link.clickType), {QPointF(rect.right() + 32, rect.center().y())}, colour);
}

void FlowMapScene::AddLabel(const QString& text, const std::vector<QPointF>& spots,
                            const QColor& colour, QPointF aside) {
    auto* label = addSimpleText(text);
    label->setBrush(colour);
    const QRectF box = label->boundingRect();
    // Beside its arrow, clear of the arrow running the other way, when asked to.
    const qreal reach = std::abs(aside.x()) * box.width() / 2 +
                        std::abs(aside.y()) * box.height() / 2 + (aside.isNull() ? 0 : 3);
    const auto placed = [&](QPointF at) { return at + aside * reach - box.center(); };
    const auto clear = std::find_if(spots.begin(), spots.end(), [&](QPointF at) {
        return !OverAPage(box.translated(placed(at)).adjusted(-2, 0, 2, 0));
    });
    label->setPos(placed(clear != spots.end() ? *clear : spots.front()));
    auto* back = addRect(label->sceneBoundingRect().adjusted(-2, 0, 2, 0), Qt::NoPen,
                         QColor(255, 255, 255, 220));
    back->setZValue(2);
    label->setZValue(3);
}

bool FlowMapScene::OverAPage(const QRectF& box) const {
    return std::any_of(mNodes.begin(), mNodes.end(), [&box](const FlowMapNode* node) {
        return node->sceneBoundingRect().intersects(box);
    });
}

}  // namespace htmlsim::gui
