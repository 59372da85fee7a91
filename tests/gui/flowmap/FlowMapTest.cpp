#include <gtest/gtest.h>

#include <QAction>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QImage>
#include <QTest>
#include <QTreeWidget>
#include <cmath>

#include "../EditorWindow.h"
#include "LinkSimulation.h"
#include "flowmap/FlowMapNode.h"
#include "flowmap/FlowMapScene.h"
#include "flowmap/frmFlowMap.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui {
namespace {

using FlowMap = testing::EditorWindow;

TEST_F(FlowMap, ShowsEveryPageAndLinkOpensADoubleClickedPageAndExports) {
    testing::WriteFlawedSimulation(folder.Path());
    window.Start(folder.File("start.html"));
    window.MenuItem("mnuToolsCheckLinks")->trigger();
    auto* map = window.findChild<frmFlowMap*>();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->Scene().Nodes().size(), 5u);
    EXPECT_EQ(map->Scene().ArrowCount(), 4);
    EXPECT_EQ(map->ProblemList()->topLevelItemCount(), 7);

    // Pages come in the walk's order: start.html, then next.html.
    const FlowMapNode* next = map->Scene().Nodes()[1];
    map->View()->centerOn(next);
    const QPoint at = map->View()->mapFromScene(next->sceneBoundingRect().center());
    QTest::mouseDClick(map->View()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(window.GetSession().PathAndName(), folder.File("next.html"));
    EXPECT_EQ(window.SSTab1()->currentIndex(), kImageDesignTab);

    ASSERT_TRUE(map->ExportDot(folder.File("flow.dot")));
    EXPECT_TRUE(testing::ReadFileBytes(folder.File("flow.dot")).starts_with("digraph flow {"));
    ASSERT_TRUE(map->ExportPng(folder.File("flow.png")));
    const QImage exported(QString::fromStdString(folder.File("flow.png")));
    const QRectF whole = map->Scene().sceneRect();
    EXPECT_EQ(exported.width(), static_cast<int>(std::ceil(whole.width())));
    EXPECT_EQ(exported.height(), static_cast<int>(std::ceil(whole.height())));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(FlowMapScene, ClickTypeLabelsLieOverNoPageEvenWhereTheirArrowPassesOverOne) {
    // A row of four pages under the start page; two arrows of the row's first page pass over
    // the pages beside it.
    LinkReport report;
    for (const char* name : {"start", "p1", "p2", "p3", "p4"}) {
        report.graph.pages.push_back(
            {std::string(name) + ".html", name, "", FlowPageState::Walked});
    }
    for (size_t page = 1; page <= 4; ++page) {
        report.graph.links.push_back({0, page, "left"});
    }
    report.graph.links.push_back({1, 3, "right"});
    report.graph.links.push_back({1, 4, "left"});
    const FlowMapScene scene(report);

    int labels = 0;
    for (const QGraphicsItem* item : scene.items()) {
        if (item->type() != QGraphicsSimpleTextItem::Type || item->parentItem() != nullptr) {
            continue;
        }
        ++labels;
        for (const FlowMapNode* node : scene.Nodes()) {
            EXPECT_FALSE(node->sceneBoundingRect().intersects(item->sceneBoundingRect()))
                << static_cast<const QGraphicsSimpleTextItem*>(item)->text().toStdString()
                << " over " << node->sceneBoundingRect().x();
        }
    }
    EXPECT_EQ(labels, 6);
}

}  // namespace
}  // namespace htmlsim::gui
