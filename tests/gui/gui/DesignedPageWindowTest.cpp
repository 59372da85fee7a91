#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <filesystem>

#include "DesignedPageWindow.h"
#include "KeptPages.h"
#include "document/DocumentTemplate.h"

namespace htmlsim::gui::testing {
namespace {

// The editor as a new user meets it: the toolbar's commands, the changed mark in the title.
class ToolbarSimulation : public DesignedPageWindow {
  protected:
    ToolbarSimulation() : DesignedPageWindow(htmlsim::testing::DesignDocument("")) {}

    QAction* Command(const char* name) { return Find<QAction>(window, name); }
    // A click on the command's toolbar button, as the user makes it.
    void Click(const char* name) {
        auto* toolbar = window.findChild<QToolBar*>("tbMain");
        ASSERT_NE(toolbar, nullptr);
        QWidget* button = toolbar->widgetForAction(Command(name));
        ASSERT_NE(button, nullptr) << name;
        ASSERT_TRUE(button->isEnabled()) << name << ": " << Command(name)->toolTip().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    std::string Title() { return window.windowTitle().toStdString(); }
    std::string Status() { return window.statusBar()->currentMessage().toStdString(); }
};

TEST_F(ToolbarSimulation, TwoPagesAreMadeWithTheToolbarAlone) {
    // Nothing to draw on yet: the command says why it cannot run.
    EXPECT_FALSE(Command("tbDrawArea")->isEnabled());
    EXPECT_EQ(Command("tbDrawArea")->toolTip().toStdString(),
              "Draw Area: Insert a picture first, or right-click a picture to choose it.");

    dialogs.fileAnswers.push_back(folder.File("login"));
    Click("mnuFileNewPage");
    ASSERT_EQ(GetSession().PathAndName(), folder.File("login.html"));
    EXPECT_TRUE(std::filesystem::exists(folder.File("HTMLSimulation.js")));
    EXPECT_NE(Status().find(folder.File("login.html")), std::string::npos) << Status();

    dialogs.fileAnswers.push_back(folder.File("shot.png"));
    Click("tbInsertImage");
    EXPECT_EQ(Title(), folder.File("login.html") + " *");
    Click("tbDrawArea");
    LeftDrag(QPoint(20, 20), QPoint(120, 80), 0.5);
    ASSERT_EQ(Design().Areas.Count(), 1);

    ChooseInDialog(QPoint(50, 50), "mnuAreaProperties", [&](QDialog& dialog) {
        Retype(Find<QComboBox>(dialog, "cboLinkAddress")->lineEdit(), "welcome.html");
        PushButton(dialog, "cmdOK");
    });
    EXPECT_TRUE(SectionHolds("CanvasScript_Top", "Areas.push('20,20,120,80,welcome.html,left');"));

    LeftDrag(QPoint(50, 50), QPoint(50, 50), 0.1);  // a quick click follows the link
    ASSERT_EQ(GetSession().PathAndName(), folder.File("welcome.html"));
    dialogs.fileAnswers.push_back(folder.File("other.png"));
    Click("tbInsertImage");
    EXPECT_EQ(Title(), folder.File("welcome.html") + " *");
    Click("mnuFileSave");
    EXPECT_EQ(Title(), folder.File("welcome.html"));
    EXPECT_EQ(Status(), "Saved 'welcome.html'");
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
    KeepPagesForBrowser(folder.Path(), "toolbar");
}

// The images of DesignedPageWindow's three-image page, or none, on a page made from the
// template (so a browser runs its scripts).
class InsertedPictures : public DesignedPageWindow {
  protected:
    InsertedPictures() : InsertedPictures(OnTemplate(htmlsim::testing::ThreeImagesPage())) {}
    explicit InsertedPictures(const std::string& page) : DesignedPageWindow(page) {}

    void InsertFromFile(const std::string& name) {
        dialogs.fileAnswers.push_back(folder.File(name));
        Choose(QPoint(800, 650), "mnuFileAddImage");
    }
    static std::string OnTemplate(const std::string& designPage) {
        std::string page = NewDocumentTemplate();
        FakeDialogs quiet;
        for (const char* name : {"Images", "CanvasScript_Top"}) {
            ReplaceSectionBody(page, name, GetSectionText(designPage, name) + "\r\n", quiet);
        }
        return page;
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
    EXPECT_TRUE(SectionHolds("Images",
                             "<IMG SRC='other.png' Name='other' BORDER='0' Width='60' "
                             "Height='40' STYLE='position:absolute; left:0px; top:0px' "
                             "UseMap='#other'/>\r\n<map name='other'>\r\n</map>"));

    // A balloon on the new picture is written, and the canvas keeps its areas.
    Choose(QPoint(20, 20), "mnuImageDrawBalloon");
    LeftDrag(QPoint(10, 10), QPoint(40, 30), 0.5);
    EXPECT_TRUE(SectionHolds("Balloons",
                             "<div id='Balloon_4' style='position:absolute; z-index:1; "
                             "left:10px; top:10px; width:30; height:20px;"));
    EXPECT_EQ(Section("CanvasScript_Top"),
              "var Areas = new Array();\r\nmScale = .7;\r\n"
              "Areas.push('10,10,40,30,left.html,left');\r\n"
              "Areas.push('50,10,80,30,right.html,right');");
    EXPECT_TRUE(SectionHolds("CanvasScript_Bottom", "getElementById('Canvas_3')"));

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
    ChooseInDialog(QPoint(250, 150), "mnuImageProperties",
                   [&](QDialog& dialog) { Find<QRadioButton>(dialog, "optImageType3")->click(); });
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
    EXPECT_TRUE(SectionHolds("CanvasScript_Bottom", "background.src = 'other.png';"));
    ASSERT_TRUE(GetSession().SaveCommand());
    KeepPagesForBrowser(folder.Path(), "inserted");
}

}  // namespace
}  // namespace htmlsim::gui::testing
