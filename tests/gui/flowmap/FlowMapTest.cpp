#include <gtest/gtest.h>

#include <QAction>
#include <QGraphicsView>
#include <QImage>
#include <QTest>
#include <QTreeWidget>

#include "FakeDialogs.h"
#include "LinkSimulation.h"
#include "TempFolder.h"
#include "flowmap/FlowMapNode.h"
#include "flowmap/FlowMapScene.h"
#include "flowmap/frmFlowMap.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui {
namespace {

using testing::FakeDialogs;
using testing::TempFolder;

TEST(FlowMap, ShowsEveryPageAndLinkOpensADoubleClickedPageAndExports) {
    TempFolder folder;
    testing::WriteFlawedSimulation(folder.Path());
    FakeDialogs dialogs;
    frmHTMLImage window(dialogs, folder.File("program"));
    window.show();
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
    EXPECT_FALSE(QImage(QString::fromStdString(folder.File("flow.png"))).isNull());
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace htmlsim::gui
