#include <QLabel>
#include <QRadioButton>
#include <filesystem>

#include "DesignedPageWindow.h"
#include "KeptPages.h"
#include "document/DocumentTemplate.h"

namespace htmlsim::gui::testing {
namespace {

// The images of DesignedPageWindow's three-image page, or none, on a page made from the
// template (so a browser runs its scripts), and a picture "other.png" (60 x 40) beside it.
class InsertedPictures : public DesignedPageWindow {
  protected:
    InsertedPictures() : InsertedPictures(OnTemplate(ThreeImagesPage())) {}
    explicit InsertedPictures(const std::string& page) : DesignedPageWindow(page) {
        QImage other(60, 40, QImage::Format_RGB32);
        other.fill(Qt::green);
        EXPECT_TRUE(other.save(QString::fromStdString(folder.File("other.png"))));
    }

    void InsertFromFile(const std::string& name) {
        dialogs.fileAnswers.push_back(folder.File(name));
        Choose(QPoint(800, 650), "mnuFileAddImage");
    }
    // Draws an area from `from` to `to` on the image under `from`.
    void DrawArea(const QPoint& from, const QPoint& to) {
        Choose(from, "mnuPalDefineClickableArea");
        LeftDrag(from, to, 0.5);
    }
    static std::string OnTemplate(const std::string& designPage) {
        std::string page = NewDocumentTemplate();
        FakeDialogs quiet;
        for (const char* name : {"Images", "CanvasScript_Top"}) {
            ReplaceSectionBody(page, name, GetSectionText(designPage, name) + "\r\n", quiet);
        }
        return page;
    }
    std::string Selection() {
        return window.findChild<QLabel*>("lblSelection")->text().toStdString();
    }
};

class EmptyPage : public InsertedPictures {
  protected:
    EmptyPage() : InsertedPictures(NewDocumentTemplate()) {}
};

TEST_F(InsertedPictures, APictureInsertedIntoACanvasPageBecomesAnImageMapAndNothingIsLost) {
    InsertFromFile("other.png");
    ASSERT_EQ(Design().ImageCount(), 4);
    EXPECT_EQ(Design().Image(4).ImageType, kImageMap);
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"This page has a canvas already and a page holds one: "
                                       "the picture is inserted as an image map."});
    EXPECT_NE(Section("Images").find("<IMG SRC='other.png' Name='other' BORDER='0' Width='60' "
                                     "Height='40' STYLE='position:absolute; left:0px; top:0px' "
                                     "UseMap='#other'/>\r\n<map name='other'>\r\n</map>"),
              std::string::npos)
        << Section("Images");

    // A balloon on the new picture is written, and the canvas keeps its areas.
    Choose(QPoint(20, 20), "mnuImageDrawBalloon");
    LeftDrag(QPoint(10, 10), QPoint(40, 30), 0.5);
    EXPECT_NE(Section("Balloons")
                  .find("<div id='Balloon_4' style='position:absolute; z-index:1; "
                        "left:10px; top:10px; width:30; height:20px;"),
              std::string::npos)
        << Section("Balloons");
    EXPECT_EQ(Section("CanvasScript_Top"),
              "var Areas = new Array();\r\nmScale = .7;\r\n"
              "Areas.push('10,10,40,30,left.html,left');\r\n"
              "Areas.push('50,10,80,30,right.html,right');");
    EXPECT_NE(Section("CanvasScript_Bottom").find("getElementById('Canvas_3')"), std::string::npos);

    // Read back, the balloon is on its own picture again.
    GetSession().SwitchTab(kDocumentEditorTab);
    GetSession().SwitchTab(kImageDesignTab);
    int balloonsOnTheNewPicture = 0;
    for (const ClickableAreaPtr& area : Design().Areas) {
        balloonsOnTheNewPicture += area->AreaType == kAreaBalloon && area->ImageID == 4 &&
                                   area->Left == 10 && area->Top == 10;
    }
    EXPECT_EQ(balloonsOnTheNewPicture, 1);

    // Nor can an image map become a second canvas.
    WhenDialogOpens([&](QDialog& dialog) { Find<QRadioButton>(dialog, "optImageType3")->click(); });
    Choose(QPoint(250, 150), "mnuImageProperties");
    EXPECT_EQ(Design().Image(1).ImageType, kImageMap);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text,
              "This page has a canvas already and a page holds one: the image stays as it is.");
    ASSERT_TRUE(GetSession().SaveCommand());
    KeepPagesForBrowser(folder.Path(), "canvas-page");
}

TEST_F(EmptyPage, AnInsertedPictureIsWrittenAsACanvasAtOnce) {
    InsertFromFile("other.png");
    EXPECT_EQ(Section("Images").find("<canvas id='Canvas_1' SRC='other.png' width='60' "
                                     "Height='40' style='position:absolute; left:0px; top:0px'"),
              0u)
        << Section("Images");
    EXPECT_EQ(Section("Images").find("rotate"), std::string::npos);
    EXPECT_NE(Section("CanvasScript_Bottom").find("background.src = 'other.png';"),
              std::string::npos);
    ASSERT_TRUE(GetSession().SaveCommand());
    KeepPagesForBrowser(folder.Path(), "inserted");
}

TEST_F(EmptyPage, EveryPagesFirstAreaLeadsToAPageOfItsOwn) {
    InsertFromFile("other.png");
    DrawArea(QPoint(10, 10), QPoint(30, 30));
    const std::string first = Design().CurrentClickableArea->LinkAddress;
    EXPECT_EQ(first, "Canvas_1_Area_0.html");
    EXPECT_NE(Section("CanvasScript_Top").find("," + first + ",left"), std::string::npos);

    // Follow it: the new page's first area cannot lead to the page itself.
    LeftDrag(QPoint(20, 20), QPoint(20, 20), 0.1);
    ASSERT_EQ(GetSession().PathAndName(), folder.File(first));
    InsertFromFile("other.png");
    DrawArea(QPoint(10, 10), QPoint(30, 30));
    const std::string second = Design().CurrentClickableArea->LinkAddress;
    EXPECT_EQ(second, "Canvas_1_Area_0_Area_0.html");
    EXPECT_FALSE(std::filesystem::exists(folder.File(second)));
    EXPECT_NE(Section("CanvasScript_Top").find("," + second + ",left"), std::string::npos);
    EXPECT_NE(Selection().find("'Canvas_1_Area_0_Area_0'"), std::string::npos) << Selection();
}

}  // namespace
}  // namespace htmlsim::gui::testing
