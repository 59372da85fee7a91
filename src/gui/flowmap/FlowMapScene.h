#pragma once

#include <QGraphicsScene>
#include <functional>
#include <vector>

#include "linkcheck/LinkReport.h"

namespace htmlsim::gui {

class FlowMapNode;

// The flow map of a link report: the pages laid out in layers from the start page, an arrow
// per link labelled with its click type.
class FlowMapScene : public QGraphicsScene {
  public:
    FlowMapScene(const LinkReport& report, QObject* parent = nullptr);

    const std::vector<FlowMapNode*>& Nodes() const { return mNodes; }
    int ArrowCount() const { return mArrowCount; }
    // Called with the page's index when a page is double-clicked.
    std::function<void(size_t page)> PageOpened;

  private:
    void AddArrow(const FlowLink& link, bool reverseExists);
    void AddLoop(const FlowLink& link);
    // At the first of the spots where the label lies over no page (else at the first spot);
    // `aside`: a unit vector the label is moved along, off its arrow; null for on it.
    void AddLabel(const QString& text, const std::vector<QPointF>& spots, const QColor& colour,
                  QPointF aside = {});
    bool OverAPage(const QRectF& box) const;

    std::vector<FlowMapNode*> mNodes;
    int mArrowCount = 0;
};

}  // namespace htmlsim::gui
