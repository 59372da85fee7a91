#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "../Pictures.h"
#include "DesignedPageWindow.h"
#include "QtDialogs.h"
#include "QtTextMeasurer.h"
#include "properties/frmProperties.h"

namespace htmlsim::gui::testing {
namespace {

using SurfaceDialogs = DesignedPageWindow;

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
    ChooseInDialog(QPoint(120, 70), "mnuAreaProperties", [&](QDialog& dialog) {
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
        PushButton(dialog, "cmdApply");
        EXPECT_EQ(Find<QLineEdit>(dialog, "txtWidth")->text(), "5");
        EXPECT_TRUE(SectionHolds("Images", "COORDS='20,20,25,60' Title='Go on' HREF='b.html'/>"));
        PushButton(dialog, "cmdSave");
    });
    EXPECT_EQ(Design().Areas.Item(1)->Name, "Start");
    EXPECT_EQ(window.DesignTab()->Canvas().Outlines().at(0).rect, QRect(120, 70, 5, 40));

    // Another area's dialog offers the saved set.
    ChooseInDialog(QPoint(120, 320), "mnuAreaProperties", [&](QDialog& dialog) {
        EXPECT_TRUE(Find<QComboBox>(dialog, "cboLinkAddress")->isEnabled());
        auto* name = Find<QComboBox>(dialog, "cboName");
        ASSERT_EQ(name->count(), 1);
        emit name->activated(0);
        EXPECT_EQ(Find<QLineEdit>(dialog, "txtLeft")->text(), "120");
        EXPECT_EQ(Find<QComboBox>(dialog, "cboLinkAddress")->currentText(), "b.html");
    });
}

TEST_F(SurfaceDialogs, ACanvasAreaOffersOnlyWhatItsScriptKeepsAndLinksToAPageNotMadeYet) {
    // An image map's area keeps both.
    ChooseInDialog(QPoint(120, 70), "mnuAreaProperties", [&](QDialog& dialog) {
        EXPECT_TRUE(Find<QComboBox>(dialog, "cboName")->isEnabled());
        EXPECT_TRUE(Find<QLineEdit>(dialog, "txtTitle")->isEnabled());
        EXPECT_EQ(dialog.findChild<QLabel*>("lblCanvasKeeps"), nullptr);
    });

    dialogs.fileAnswers.push_back(folder.File("summary"));
    ChooseInDialog(QPoint(120, 320), "mnuAreaProperties", [&](QDialog& dialog) {
        EXPECT_FALSE(Find<QComboBox>(dialog, "cboName")->isEnabled());
        EXPECT_FALSE(Find<QLineEdit>(dialog, "txtTitle")->isEnabled());
        auto* why = Find<QLabel>(dialog, "lblCanvasKeeps");
        ASSERT_NE(why, nullptr);
        EXPECT_TRUE(why->isVisible());
        EXPECT_NE(why->text().indexOf("Name and Title are not stored"), -1);
        PushButton(dialog, "cmdOpen");
        EXPECT_EQ(Find<QComboBox>(dialog, "cboLinkAddress")->currentText(), "./summary.html");
        EXPECT_TRUE(Find<QCheckBox>(dialog, "chkLinkable")->isChecked());
        PushButton(dialog, "cmdOK");
    });
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, "save");
    EXPECT_TRUE(SectionHolds("CanvasScript_Top", "Areas.push('10,10,40,30,./summary.html,left');"));
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
    ChooseInDialog(QPoint(250, 150), "mnuImageProperties", [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Image Properties");
        EXPECT_TRUE(Find<QRadioButton>(dialog, "optImageType2")->isChecked());
        EXPECT_TRUE(Find<QGroupBox>(dialog, "fraMap")->isVisibleTo(&dialog));
        EXPECT_FALSE(Find<QGroupBox>(dialog, "fraLink")->isVisibleTo(&dialog));
    });
    EXPECT_EQ(Design().Image(1).ImageType, kImageMap);

    ChooseInDialog(QPoint(250, 150), "mnuImageProperties", [&](QDialog& dialog) {
        Find<QRadioButton>(dialog, "optImageType1")->click();
        EXPECT_TRUE(Find<QGroupBox>(dialog, "fraLink")->isVisibleTo(&dialog));
        EXPECT_FALSE(Find<QGroupBox>(dialog, "fraMap")->isVisibleTo(&dialog));
        // The folder's "b.html" is only offered: the link stays as typed.
        TypeInto(Find<QComboBox>(dialog, "cboHREF"), "b.htm");
    });
    EXPECT_EQ(Design().Image(1).ImageType, kImageHyperlink);
    EXPECT_TRUE(SectionHolds("Images", "<a HREF='b.htm'><IMG SRC='shot.png' Name='Map1'"));
}

// The entries of the area dialog's combo boxes are only offered: a name or a link typed as the
// start of a longer entry is kept as typed.
TEST_F(SurfaceDialogs, TheAreaDialogKeepsTextTypedAsTheStartOfAnEntry) {
    htmlsim::testing::WriteFileBytes(folder.File("a.html"), "");
    // An image map's area: its name can be typed.
    ChooseInDialog(QPoint(120, 70), "mnuAreaProperties", [&](QDialog& dialog) {
        Retype(Find<QComboBox>(dialog, "cboName")->lineEdit(), "buttonLarge");
        PushButton(dialog, "cmdSave");
    });

    ChooseInDialog(QPoint(120, 70), "mnuAreaProperties", [&](QDialog& dialog) {
        auto* name = Find<QComboBox>(dialog, "cboName");
        ASSERT_EQ(name->findText("buttonLarge"), 0);
        auto* link = Find<QComboBox>(dialog, "cboLinkAddress");
        ASSERT_GE(link->findText("a.html"), 0);
        TypeInto(name, "button");
        TypeInto(link, "a.htm");
        PushButton(dialog, "cmdOK");
    });
    EXPECT_EQ(Design().Areas.Item(1)->Name, "button");
    EXPECT_TRUE(SectionHolds("Images", "HREF='a.htm'/>"));
}

using htmlsim::testing::ReadFileBytes;

std::string EncodingPage(const std::string& name) {
    return ReadFileBytes(std::string(HTMLSIM_SOURCE_DIR) + "/tests/data/encoding/" + name);
}

// Types the text at the end of a box as a keyboard would, one character a key.
void TypeAtEnd(QWidget* box, const QString& text) {
    ASSERT_NE(box, nullptr);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_End);  // a line edit's text may be selected whole
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Where a dialog of the page opens: a surface menu's item chosen at a point, or the Properties
// of a page control.
struct DialogPlace {
    QPoint at;
    const char* item = nullptr;
    const char* control = nullptr;
};
using DialogScript = std::function<void(QDialog&)>;

// The editor on a Windows-1252 page: "Café" in a label, an anchor and an input; a two-line
// balloon with a no-break space; an area titled "Größe" on an image map; a canvas whose area
// links to "café.html".
class Windows1252Dialogs : public DesignedPageWindow {
  protected:
    static constexpr DialogPlace kMapArea{{120, 70}, "mnuAreaProperties"};
    static constexpr DialogPlace kBalloon{{175, 65}, "mnuAreaProperties"};
    static constexpr DialogPlace kMapImage{{200, 170}, "mnuImageProperties"};
    static constexpr DialogPlace kCanvasArea{{120, 320}, "mnuAreaProperties"};
    static constexpr DialogPlace kAnchor{{}, nullptr, "Anchor1_0"};
    static constexpr DialogPlace kInput{{}, nullptr, "Input1_0"};
    static constexpr DialogPlace kLabel{{}, nullptr, "Label1_0"};

    Windows1252Dialogs() : DesignedPageWindow(EncodingPage("windows-1252-page.html")) {}

    std::string Saved() {
        window.MenuItem("mnuFileSave")->trigger();
        return ReadFileBytes(folder.File("index.html"));
    }
    QWidget* Control(const char* name) { return Pallet()->findChild<QWidget*>(name); }
    // Opens the dialog at `place`, runs `script` there and closes it with `close`.
    void InDialogAt(
        const DialogPlace& place, DialogScript script,
        DialogScript close = [](QDialog& dialog) { dialog.accept(); }) {
        SCOPED_TRACE(place.control != nullptr ? place.control : place.item);
        InDialog(
            [&] {
                if (place.control == nullptr) {
                    Choose(place.at, place.item);
                } else {
                    ControlCommand(place.control, "mnuProperties");
                }
            },
            std::move(script), std::move(close));
    }
    // The i-th value row of the Properties dialog.
    static QLineEdit* Row(QDialog& dialog, int index) {
        return static_cast<frmProperties&>(dialog).txtValue(index);
    }
    // Ticks the canvas area's link box off and on again, so its link can be typed.
    static QComboBox* LinkBox(QDialog& dialog) {
        Find<QCheckBox>(dialog, "chkLinkable")->click();
        Find<QCheckBox>(dialog, "chkLinkable")->click();
        return Find<QComboBox>(dialog, "cboLinkAddress");
    }
};

TEST_F(Windows1252Dialogs, EveryDialogOpenedAndClosedWithoutTypingLeavesTheFileAsItWas) {
    for (const DialogPlace& place :
         {kMapArea, kBalloon, kCanvasArea, kMapImage, kAnchor, kInput, kLabel}) {
        InDialogAt(place, [](QDialog& dialog) { PushButton(dialog, "cmdOK"); });
    }
    EXPECT_EQ(Saved(), EncodingPage("windows-1252-page.html"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Windows1252Dialogs, TextTypedIntoEveryBoxIsWrittenInTheDocumentsEncoding) {
    const QString e = QString::fromUtf8("\xC3\xA9");
    const QString check = QString::fromUtf8("\xE2\x9C\x93");
    TypeAtEnd(Control("Input1_0")->findChild<QLineEdit*>("Text1"), e);
    const std::vector<std::pair<DialogPlace, DialogScript>> typed{
        {kMapArea,
         [&](QDialog& dialog) {
             TypeAtEnd(Find<QLineEdit>(dialog, "txtTitle"), e + check);
             PushButton(dialog, "cmdApply");
         }},
        {kBalloon,
         [&](QDialog& dialog) {
             TypeAtEnd(Find<QPlainTextEdit>(dialog, "txtInnerHTML"), e + check);
         }},
        {kMapImage, [&](QDialog& dialog) { TypeAtEnd(Find<QLineEdit>(dialog, "txtMapName"), e); }},
        {kCanvasArea,
         [&](QDialog& dialog) {
             QLineEdit* link = LinkBox(dialog)->lineEdit();
             link->clear();
             TypeAtEnd(link, e + ".html");
             PushButton(dialog, "cmdOK");
         }},
        {kAnchor, [&](QDialog& dialog) { TypeAtEnd(Row(dialog, 4), e); }},
        {kInput, [&](QDialog& dialog) { TypeAtEnd(Row(dialog, 2), e + check); }},
        {kLabel, [&](QDialog& dialog) { TypeAtEnd(Row(dialog, 2), e); }},
    };
    for (const auto& [place, typing] : typed) {
        InDialogAt(place, typing);
    }
    EXPECT_EQ(Saved(), EncodingPage("windows-1252-page-typed.html"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Windows1252Dialogs, ACharacterTheDocumentCannotHoldIsRefusedWhereItWouldGoIntoAScript) {
    bool stillOpen = false;
    InDialogAt(kCanvasArea, [&](QDialog& dialog) {
        TypeAtEnd(LinkBox(dialog)->lineEdit(), QString::fromUtf8("\xE2\x9C\x93"));
        PushButton(dialog, "cmdOK");
        stillOpen = dialog.isVisible();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{
                  "The link address holds \xE2\x9C\x93, which a Windows-1252 document cannot "
                  "hold in a script. Please choose another character."});
    EXPECT_EQ(Saved(), EncodingPage("windows-1252-page.html"));
}

TEST_F(Windows1252Dialogs, EscapeAfterTypingInEveryDialogLeavesTheFileAsItWas) {
    const auto x = [](const char* box) {
        return [box](QDialog& dialog) { TypeAtEnd(Find<QLineEdit>(dialog, box), "x"); };
    };
    const auto row = [](int index) {
        return [index](QDialog& dialog) { TypeAtEnd(Row(dialog, index), "x"); };
    };
    const std::vector<std::pair<DialogPlace, DialogScript>> typed{
        {kMapArea,
         [&](QDialog& dialog) {
             x("txtTitle")(dialog);
             PushButton(dialog, "cmdApply");
         }},
        {kBalloon,
         [](QDialog& dialog) {
             // The colour is only shown, and drawn unlike the box beside it that takes typing.
             auto* colour = Find<QLineEdit>(dialog, "txtBackgroundColor");
             auto* inner = Find<QPlainTextEdit>(dialog, "txtInnerHTML");
             EXPECT_TRUE(colour->isReadOnly());
             EXPECT_NE(colour->palette().color(QPalette::Base),
                       inner->palette().color(QPalette::Base));
             TypeAtEnd(inner, "x");
         }},
        {kMapImage, x("txtMapName")},
        {kAnchor, row(4)},
        {kInput, row(2)},
        {kLabel, row(2)},
    };
    for (const auto& [place, typing] : typed) {
        InDialogAt(place, typing, [](QDialog& dialog) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            EXPECT_TRUE(dialog.isHidden() && dialog.result() == QDialog::Rejected);
        });
    }
    EXPECT_EQ(Saved(), EncodingPage("windows-1252-page.html"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Windows1252Dialogs, AfterUndoTheControlsShowExactlyTheRestoredStyles) {
    const std::pair<DialogPlace, int> styleRows[] = {{kAnchor, 3}, {kLabel, 1}};
    for (const auto& [place, styleRow] : styleRows) {
        SCOPED_TRACE(place.control);
        InDialogAt(place, [styleRow](QDialog& dialog) {
            ASSERT_EQ(static_cast<frmProperties&>(dialog).lblName(styleRow)->text(), "Style");
            TypeAtEnd(Row(dialog, styleRow), "; color:Red");
        });
        QWidget* control = Control(place.control);
        ASSERT_TRUE(htmlsim::testing::HasColor(control->grab().toImage(), qRgb(255, 0, 0)));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_FALSE(htmlsim::testing::HasColor(control->grab().toImage(), qRgb(255, 0, 0)));
    }
    EXPECT_EQ(Saved(), EncodingPage("windows-1252-page.html"));
}

TEST_F(Windows1252Dialogs, TheLabelIsSizedToItsCharacters) {
    QWidget* label = Control("Label1_0");
    ASSERT_NE(label, nullptr);
    const double width = QtTextMeasurer().Measure("Caf\xC3\xA9", TextFont()).Width;
    EXPECT_NEAR(label->width(), width, 1.0);
}

// Cancel puts the drawn balloon back as it was; OK writes what was typed.
TEST_F(DesignedPageWindow, TheBalloonDialogShowsTheDrawnBalloonAndWritesItsContentOnOkOnly) {
    Choose(QPoint(250, 150), "mnuImageDrawBalloon");
    LeftDrag(QPoint(200, 100), QPoint(260, 140), 0.5);
    const std::string drawn = Section("Balloons");
    for (const char* button : {"cmdCancel", "cmdOK"}) {
        SCOPED_TRACE(button);
        InDialog([this] { Choose(QPoint(230, 120), "mnuAreaProperties"); },
                 [&](QDialog& dialog) {
                     EXPECT_EQ(dialog.windowTitle(), "Options");
                     auto* content = Find<QPlainTextEdit>(dialog, "txtInnerHTML");
                     EXPECT_EQ(content->toPlainText(),
                               "</br><center>Message Goes</br>Here</center>");
                     EXPECT_EQ(Find<QLineEdit>(dialog, "txtBackgroundColor")->text(), "salmon");
                     EXPECT_TRUE(Find<QLineEdit>(dialog, "txtBackgroundColor")->isReadOnly());
                     Retype(content, "Press <b>Save</b>");
                 },
                 [button](QDialog& dialog) { PushButton(dialog, button); });
        if (std::string(button) == "cmdCancel") {
            EXPECT_EQ(Section("Balloons"), drawn);
        }
    }
    EXPECT_EQ(Section("Balloons"),
              "<div id='Balloon_1' style='position:absolute; z-index:1; left:200px; top:100px; "
              "width:60; height:40px;background-color:salmon; border-radius:5px;' "
              "OnMouseDown=this.style.visibility='hidden'; "
              "OnMouseOut=this.style.visibility='visible';>Press <b>Save</b></div>");
}

}  // namespace
}  // namespace htmlsim::gui::testing
