#include "DesignedPageWindow.h"

namespace htmlsim::gui::testing {
namespace {

using SurfaceShapes = DesignedPageWindow;

TEST_F(SurfaceShapes, ACircleAndAPolygonDrawnWithTheMouseAreWrittenAndOutlined) {
    Choose(QPoint(250, 150), "mnuImageDrawCircle");
    LeftDrag(QPoint(162, 168), QPoint(174, 168), 1.0);
    Choose(QPoint(250, 150), "mnuImageDrawPolygon");
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(210, 70));
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(280, 70));
    QTest::mouseDClick(Pallet(), Qt::LeftButton, {}, QPoint(245, 120));
    EXPECT_FALSE(window.Interaction().Mouse().DrawMode());
    Choose(QPoint(250, 150), "mnuImageDrawPolygon");
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(120, 150));
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(140, 150));
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(130, 190));
    Pallet()->setFocus();
    QTest::keyClick(Pallet(), Qt::Key_Escape);  // no area
    Choose(QPoint(250, 150), "mnuImageDrawPolygon");
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(110, 100));
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(130, 100));
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(110, 130));
    QTest::keyClick(Pallet(), Qt::Key_Return);

    EXPECT_NE(Section("Images").find(
                  "<map name='Map1'>\r\n"
                  "<AREA SHAPE='rect' COORDS='10,10,60,40' Title='' HREF='next.html'/> \r\n"
                  "<AREA SHAPE='circle' COORDS='62,118,12' Title='' HREF='Map1_Area_3.html'/> \r\n"
                  "<AREA SHAPE='poly' COORDS='110,20,180,20,145,70' Title='' "
                  "HREF='Map1_Area_4.html'/> \r\n"
                  "<AREA SHAPE='poly' COORDS='10,50,30,50,10,80' Title='' "
                  "HREF='Map1_Area_5.html'/> \r\n"
                  "</map>\r\n"),
              std::string::npos)
        << Section("Images");

    // The outlines run along the circle and the polygon, not around their boxes.
    const QImage shown = window.DesignTab()->Canvas().RenderImage();
    for (const QPoint on : {QPoint(174, 168), QPoint(162, 156), QPoint(245, 70), QPoint(224, 90)}) {
        EXPECT_NE(shown.pixel(on), kShotColor) << on.x() << "," << on.y();
    }
    for (const QPoint off :
         {QPoint(151, 157), QPoint(172, 178), QPoint(212, 118), QPoint(278, 118)}) {
        EXPECT_EQ(shown.pixel(off), kShotColor) << off.x() << "," << off.y();
    }
}

// The page with a link around no image at the end of its Images section (line 18): reading
// stops there, the design holds what came before.
class IncompleteImportOnTheSurface : public DesignedPageWindow {
  protected:
    IncompleteImportOnTheSurface() {
        std::string page = htmlsim::testing::ReadFileBytes(folder.File("index.html"));
        const std::string canvasEnd = "</canvas>\r\n";
        page.insert(page.find(canvasEnd) + canvasEnd.size(),
                    "<a href='x.html'><span>no image</span></a>\r\n");
        htmlsim::testing::WriteFileBytes(folder.File("broken.html"), page);
        GetSession().OpenDocument(folder.File("broken.html"));
        GetSession().SwitchTab(kImageDesignTab);
        EXPECT_EQ(dialogs.MessageTexts(),
                  std::vector<std::string>{"IMG HTML Not Properly Parsed."});
        Pallet()->setFocus();
    }
};

TEST_F(IncompleteImportOnTheSurface, ADragAddLabelAKeyAndAnInsertionEachSayWhyAndChangeNothing) {
    ASSERT_EQ(Design().ImageCount(), 3);
    const std::string bytes = htmlsim::testing::ReadFileBytes(folder.File("broken.html"));
    const std::string text = GetSession().DocumentText();
    const std::vector<std::string> why{
        "The Images section could not be read completely (line 18): repair it in the Document "
        "Editor before changing the design."};
    const std::map<std::string, std::function<void()>> changes{
        {"drag", [&] { LeftDrag(QPoint(150, 100), QPoint(170, 130), 1.0); }},
        {"Add Label", [&] { Choose(QPoint(10, 10), "mnuPalAddLabel"); }},
        {"keyboard move",
         [&] {
             QTest::keyClick(Pallet(), Qt::Key_Tab);
             QTest::keyClick(Pallet(), Qt::Key_Right);
         }},
        {"insertion", [&] { Choose(QPoint(10, 10), "mnuFileAddImage"); }},
    };
    for (const auto& [change, make] : changes) {
        dialogs.messages.clear();
        make();
        EXPECT_EQ(dialogs.MessageTexts(), why) << change;
        EXPECT_EQ(GetSession().DocumentText(), text) << change;
    }
    window.close();  // nothing to save
    EXPECT_EQ(htmlsim::testing::ReadFileBytes(folder.File("broken.html")), bytes);
    EXPECT_EQ(Design().Image(1).Left, 100);
    EXPECT_EQ(window.DesignTab()->Canvas().Outlines().at(0).rect, QRect(110, 60, 50, 30));
}

}  // namespace
}  // namespace htmlsim::gui::testing
