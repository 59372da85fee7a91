#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "DesignedPageWindow.h"
#include "QtDialogs.h"

namespace htmlsim::gui::testing {
namespace {

using SurfaceDialogs = DesignedPageWindow;

void Retype(QLineEdit* box, const QString& text) {
    ASSERT_NE(box, nullptr);
    box->selectAll();
    QTest::keyClicks(box, text);
}

// Typing into a combo box the user has clicked into: only a box with the focus completes.
void TypeInto(QComboBox* combo, const QString& text) {
    ASSERT_NE(combo, nullptr);
    combo->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(combo->window()));
    combo->lineEdit()->setFocus();
    ASSERT_TRUE(combo->lineEdit()->hasFocus());
    Retype(combo->lineEdit(), text);
}

TEST_F(SurfaceDialogs, TheAreaDialogAppliesEveryFieldAndRecallsSavedValueSets) {
    htmlsim::testing::WriteFileBytes(folder.File("b.html"), "");
    bool checked = false;
    WhenDialogOpens([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Clickable Area Properties");
        Retype(Find<QComboBox>(dialog, "cboName")->lineEdit(), "Start");
        Retype(Find<QLineEdit>(dialog, "txtLeft"), "120");
        Retype(Find<QLineEdit>(dialog, "txtWidth"), "3");
        Retype(Find<QLineEdit>(dialog, "txtHeight"), "40");
        Retype(Find<QLineEdit>(dialog, "txtTitle"), "Go on");
        Retype(Find<QLineEdit>(dialog, "txtTop"), "7x");
        EXPECT_TRUE(Find<QLineEdit>(dialog, "txtTop")->property("invalid").toBool());
        Retype(Find<QLineEdit>(dialog, "txtTop"), "70");
        // An area read from the page links, so its link can be typed at once.
        auto* link = Find<QComboBox>(dialog, "cboLinkAddress");
        auto* linkable = Find<QCheckBox>(dialog, "chkLinkable");
        EXPECT_TRUE(linkable->isChecked());
        EXPECT_TRUE(link->isEnabled());
        linkable->click();
        EXPECT_FALSE(link->isEnabled());
        linkable->click();
        EXPECT_TRUE(link->isEnabled());
        Retype(link->lineEdit(), "b.html");
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdApply"), Qt::LeftButton);
        EXPECT_EQ(Find<QLineEdit>(dialog, "txtWidth")->text(), "5");
        EXPECT_NE(Section("Images").find("COORDS='20,20,25,60' Title='Go on' HREF='b.html'/>"),
                  std::string::npos)
            << Section("Images");
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdSave"), Qt::LeftButton);
        checked = true;
    });
    Choose(QPoint(120, 70), "mnuAreaProperties");
    ASSERT_TRUE(checked);
    EXPECT_EQ(Design().Areas.Item(1)->Name, "Start");
    EXPECT_EQ(window.DesignTab()->Canvas().Outlines().at(0).rect, QRect(120, 70, 5, 40));

    // Another area's dialog offers the saved set.
    checked = false;
    WhenDialogOpens([&](QDialog& dialog) {
        EXPECT_TRUE(Find<QComboBox>(dialog, "cboLinkAddress")->isEnabled());
        auto* name = Find<QComboBox>(dialog, "cboName");
        ASSERT_EQ(name->count(), 1);
        emit name->activated(0);
        EXPECT_EQ(Find<QLineEdit>(dialog, "txtLeft")->text(), "120");
        EXPECT_EQ(Find<QComboBox>(dialog, "cboLinkAddress")->currentText(), "b.html");
        checked = true;
    });
    Choose(QPoint(120, 320), "mnuAreaProperties");
    ASSERT_TRUE(checked);
}

TEST_F(SurfaceDialogs, ACanvasAreaOffersOnlyWhatItsScriptKeepsAndLinksToAPageNotMadeYet) {
    bool checked = false;
    WhenDialogOpens([&](QDialog& dialog) {
        EXPECT_TRUE(Find<QComboBox>(dialog, "cboName")->isEnabled());
        EXPECT_TRUE(Find<QLineEdit>(dialog, "txtTitle")->isEnabled());
        EXPECT_EQ(dialog.findChild<QLabel*>("lblCanvasKeeps"), nullptr);
        checked = true;
    });
    Choose(QPoint(120, 70), "mnuAreaProperties");  // an image map's area keeps both
    ASSERT_TRUE(checked);

    checked = false;
    dialogs.fileAnswers.push_back(folder.File("summary"));
    WhenDialogOpens([&](QDialog& dialog) {
        EXPECT_FALSE(Find<QComboBox>(dialog, "cboName")->isEnabled());
        EXPECT_FALSE(Find<QLineEdit>(dialog, "txtTitle")->isEnabled());
        auto* why = Find<QLabel>(dialog, "lblCanvasKeeps");
        ASSERT_NE(why, nullptr);
        EXPECT_TRUE(why->isVisible());
        EXPECT_NE(why->text().indexOf("Name and Title are not stored"), -1);
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdOpen"), Qt::LeftButton);
        EXPECT_EQ(Find<QComboBox>(dialog, "cboLinkAddress")->currentText(), "./summary.html");
        EXPECT_TRUE(Find<QCheckBox>(dialog, "chkLinkable")->isChecked());
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
        checked = true;
    });
    Choose(QPoint(120, 320), "mnuAreaProperties");
    ASSERT_TRUE(checked);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, "save");
    EXPECT_NE(Section("CanvasScript_Top").find("Areas.push('10,10,40,30,./summary.html,left');"),
              std::string::npos)
        << Section("CanvasScript_Top");
}

// The desktop's save chooser, as the link's "..." opens it: an existing page is taken as it is,
// with no question about replacing it; the chooser writes nothing.
TEST(LinkChooser, TakesAnExistingPageWithoutAskingToReplaceIt) {
    htmlsim::testing::TempFolder folder;
    htmlsim::testing::WriteFileBytes(folder.File("next.html"), "kept");
    int chosen = 0;
    int asked = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            ++asked;
            box->reject();
        } else if (auto* chooser = qobject_cast<QFileDialog*>(modal)) {
            if (chosen++ == 0) {
                chooser->selectFile(QString::fromStdString(folder.File("next.html")));
                // As its Save button does, once this poll has returned: a question it asks
                // must find the poll running.
                QTimer::singleShot(0, chooser,
                                   [chooser] { static_cast<QDialog*>(chooser)->accept(); });
            } else {
                chooser->reject();  // still open after a question: leave it
            }
        }
    });
    answer.start(5);
    FileDialogRequest request;
    request.filter = "HTML Documents|*.html;*.htm";
    request.initialFolder = folder.Path().string();
    request.confirmOverwrite = false;
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.SaveFileName(request), folder.File("next.html"));
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(htmlsim::testing::ReadFileBytes(folder.File("next.html")), "kept");
}

TEST_F(SurfaceDialogs, TheImageDialogChangesTheTypeOnlyWhenTheUserDoes) {
    htmlsim::testing::WriteFileBytes(folder.File("b.html"), "");
    int scriptsRun = 0;
    WhenDialogOpens([&](QDialog& dialog) {
        ++scriptsRun;
        EXPECT_EQ(dialog.windowTitle(), "Image Properties");
        EXPECT_TRUE(Find<QRadioButton>(dialog, "optImageType2")->isChecked());
        EXPECT_TRUE(Find<QGroupBox>(dialog, "fraMap")->isVisibleTo(&dialog));
        EXPECT_FALSE(Find<QGroupBox>(dialog, "fraLink")->isVisibleTo(&dialog));
    });
    Choose(QPoint(250, 150), "mnuImageProperties");
    ASSERT_EQ(scriptsRun, 1);
    EXPECT_EQ(Design().Image(1).ImageType, kImageMap);

    WhenDialogOpens([&](QDialog& dialog) {
        ++scriptsRun;
        Find<QRadioButton>(dialog, "optImageType1")->click();
        EXPECT_TRUE(Find<QGroupBox>(dialog, "fraLink")->isVisibleTo(&dialog));
        EXPECT_FALSE(Find<QGroupBox>(dialog, "fraMap")->isVisibleTo(&dialog));
        // The folder's "b.html" is only offered: the link stays as typed.
        TypeInto(Find<QComboBox>(dialog, "cboHREF"), "b.htm");
    });
    Choose(QPoint(250, 150), "mnuImageProperties");
    ASSERT_EQ(scriptsRun, 2);
    EXPECT_EQ(Design().Image(1).ImageType, kImageHyperlink);
    EXPECT_NE(Section("Images").find("<a HREF='b.htm'><IMG SRC='shot.png' Name='Map1'"),
              std::string::npos)
        << Section("Images");
}

// The entries of the area dialog's combo boxes are only offered: a name or a link typed as the
// start of a longer entry is kept as typed.
TEST_F(SurfaceDialogs, TheAreaDialogKeepsTextTypedAsTheStartOfAnEntry) {
    htmlsim::testing::WriteFileBytes(folder.File("a.html"), "");
    WhenDialogOpens([&](QDialog& dialog) {
        Retype(Find<QComboBox>(dialog, "cboName")->lineEdit(), "buttonLarge");
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdSave"), Qt::LeftButton);
    });
    Choose(QPoint(120, 70), "mnuAreaProperties");  // an image map's area: its name can be typed

    bool typed = false;
    WhenDialogOpens([&](QDialog& dialog) {
        auto* name = Find<QComboBox>(dialog, "cboName");
        ASSERT_EQ(name->findText("buttonLarge"), 0);
        auto* link = Find<QComboBox>(dialog, "cboLinkAddress");
        ASSERT_GE(link->findText("a.html"), 0);
        TypeInto(name, "button");
        TypeInto(link, "a.htm");
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
        typed = true;
    });
    Choose(QPoint(120, 70), "mnuAreaProperties");
    ASSERT_TRUE(typed);
    EXPECT_EQ(Design().Areas.Item(1)->Name, "button");
    EXPECT_NE(Section("Images").find("HREF='a.htm'/>"), std::string::npos) << Section("Images");
}

}  // namespace
}  // namespace htmlsim::gui::testing
