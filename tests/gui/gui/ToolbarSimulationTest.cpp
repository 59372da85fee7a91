#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "DesignedPageWindow.h"
#include "KeptPages.h"

namespace htmlsim::gui::testing {
namespace {

// The editor as a new user meets it: the toolbar's commands, the changed mark in the title.
class ToolbarSimulation : public DesignedPageWindow {
  protected:
    ToolbarSimulation() : DesignedPageWindow(htmlsim::testing::DesignDocument("")) {
        QImage other(60, 40, QImage::Format_RGB32);
        other.fill(Qt::green);
        EXPECT_TRUE(other.save(QString::fromStdString(folder.File("other.png"))));
    }

    QAction* Command(const char* name) {
        auto* action = window.findChild<QAction*>(name);
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
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

    WhenDialogOpens([&](QDialog& dialog) {
        QLineEdit* link = Find<QComboBox>(dialog, "cboLinkAddress")->lineEdit();
        link->selectAll();
        QTest::keyClicks(link, "welcome.html");
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    });
    Choose(QPoint(50, 50), "mnuAreaProperties");
    EXPECT_NE(Section("CanvasScript_Top").find("Areas.push('20,20,120,80,welcome.html,left');"),
              std::string::npos)
        << Section("CanvasScript_Top");

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

}  // namespace
}  // namespace htmlsim::gui::testing
