#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "../Pictures.h"
#include "DesignedPageWindow.h"
#include "QtTextMeasurer.h"
#include "controls/PageControlWidget.h"
#include "properties/frmProperties.h"

namespace htmlsim::gui::testing {
namespace {

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

// The editor on a Windows-1252 page: "Café" in a label, an anchor and an input; a two-line
// balloon with a no-break space; an area titled "Größe" on an image map; a canvas whose area
// links to "café.html".
class Windows1252Dialogs : public DesignedPageWindow {
  protected:
    static constexpr QPoint kMapArea{120, 70};
    static constexpr QPoint kBalloon{175, 65};
    static constexpr QPoint kMapImage{200, 170};
    static constexpr QPoint kCanvasArea{120, 320};

    Windows1252Dialogs() : DesignedPageWindow(EncodingPage("windows-1252-page.html")) {}

    std::string Saved() {
        window.MenuItem("mnuFileSave")->trigger();
        return ReadFileBytes(folder.File("index.html"));
    }
    QWidget* Control(const char* name) { return Pallet()->findChild<QWidget*>(name); }
    // Opens the Properties dialog of a page control from its menu.
    void ShowProperties(const char* control) {
        QWidget* widget = Control(control);
        ASSERT_NE(widget, nullptr) << control;
        auto* properties = widget->findChild<QAction*>("mnuProperties");
        ASSERT_NE(properties, nullptr);
        properties->trigger();
    }
    // The i-th value row of the Properties dialog.
    static QLineEdit* Row(QDialog& dialog, int index) {
        return static_cast<frmProperties&>(dialog).txtValue(index);
    }
};

TEST_F(Windows1252Dialogs, EveryDialogOpenedAndClosedWithoutTypingLeavesTheFileAsItWas) {
    const std::string original = EncodingPage("windows-1252-page.html");
    int opened = 0;
    auto untouched = [&opened](QDialog& dialog) {
        ++opened;
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    };
    for (const QPoint at : {kMapArea, kBalloon, kCanvasArea}) {
        WhenDialogOpens(untouched);
        Choose(at, "mnuAreaProperties");
    }
    WhenDialogOpens(untouched);
    Choose(kMapImage, "mnuImageProperties");
    for (const char* control : {"Anchor1_0", "Input1_0", "Label1_0"}) {
        WhenDialogOpens(untouched);
        ShowProperties(control);
    }
    EXPECT_EQ(opened, 7);
    EXPECT_EQ(Saved(), original);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Windows1252Dialogs, TextTypedIntoEveryBoxIsWrittenInTheDocumentsEncoding) {
    const QString e = QString::fromUtf8("\xC3\xA9");
    const QString check = QString::fromUtf8("\xE2\x9C\x93");
    WhenDialogOpens([&](QDialog& dialog) {
        TypeAtEnd(Find<QLineEdit>(dialog, "txtTitle"), e + check);
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdApply"), Qt::LeftButton);
    });
    Choose(kMapArea, "mnuAreaProperties");
    WhenDialogOpens([&](QDialog& dialog) {
        TypeAtEnd(Find<QPlainTextEdit>(dialog, "txtInnerHTML"), e + check);
    });
    Choose(kBalloon, "mnuAreaProperties");
    WhenDialogOpens([&](QDialog& dialog) { TypeAtEnd(Find<QLineEdit>(dialog, "txtMapName"), e); });
    Choose(kMapImage, "mnuImageProperties");
    WhenDialogOpens([&](QDialog& dialog) {
        auto* link = Find<QComboBox>(dialog, "cboLinkAddress");
        Find<QCheckBox>(dialog, "chkLinkable")->click();
        Find<QCheckBox>(dialog, "chkLinkable")->click();
        link->lineEdit()->clear();
        TypeAtEnd(link->lineEdit(), e + ".html");
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    });
    Choose(kCanvasArea, "mnuAreaProperties");
    WhenDialogOpens([&](QDialog& dialog) { TypeAtEnd(Row(dialog, 4), e); });
    ShowProperties("Anchor1_0");
    TypeAtEnd(Control("Input1_0")->findChild<QLineEdit*>("Text1"), e);
    WhenDialogOpens([&](QDialog& dialog) { TypeAtEnd(Row(dialog, 2), e + check); });
    ShowProperties("Input1_0");
    WhenDialogOpens([&](QDialog& dialog) { TypeAtEnd(Row(dialog, 2), e); });
    ShowProperties("Label1_0");

    EXPECT_EQ(Saved(), EncodingPage("windows-1252-page-typed.html"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Windows1252Dialogs, ACharacterTheDocumentCannotHoldIsRefusedWhereItWouldGoIntoAScript) {
    const std::string original = EncodingPage("windows-1252-page.html");
    bool stillOpen = false;
    WhenDialogOpens([&](QDialog& dialog) {
        auto* link = Find<QComboBox>(dialog, "cboLinkAddress");
        Find<QCheckBox>(dialog, "chkLinkable")->click();
        Find<QCheckBox>(dialog, "chkLinkable")->click();
        TypeAtEnd(link->lineEdit(), QString::fromUtf8("\xE2\x9C\x93"));
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
        stillOpen = dialog.isVisible();
    });
    Choose(kCanvasArea, "mnuAreaProperties");
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "The link address holds \xE2\x9C\x93, which a Windows-1252 document cannot hold "
              "in a script. Please choose another character.");
    EXPECT_EQ(Saved(), original);
}

TEST_F(Windows1252Dialogs, EscapeAfterTypingInEveryDialogLeavesTheFileAsItWas) {
    int escaped = 0;
    // Runs `typing` in the next modal dialog, then presses Escape there.
    auto escapeAfter = [this, &escaped](std::function<void(QDialog&)> typing) {
        auto* poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, typing, &escaped] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                typing(*dialog);
                QTest::keyClick(dialog, Qt::Key_Escape);
                escaped += dialog->isHidden() && dialog->result() == QDialog::Rejected;
            }
        });
        poll->start(5);
    };
    escapeAfter([](QDialog& dialog) {
        TypeAtEnd(Find<QLineEdit>(dialog, "txtTitle"), "x");
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdApply"), Qt::LeftButton);
    });
    Choose(kMapArea, "mnuAreaProperties");
    escapeAfter([](QDialog& dialog) {
        // The colour is only shown, and drawn unlike the box beside it that takes typing.
        auto* colour = Find<QLineEdit>(dialog, "txtBackgroundColor");
        auto* inner = Find<QPlainTextEdit>(dialog, "txtInnerHTML");
        EXPECT_TRUE(colour->isReadOnly());
        EXPECT_NE(colour->palette().color(QPalette::Base), inner->palette().color(QPalette::Base));
        TypeAtEnd(inner, "x");
    });
    Choose(kBalloon, "mnuAreaProperties");
    escapeAfter([](QDialog& dialog) { TypeAtEnd(Find<QLineEdit>(dialog, "txtMapName"), "x"); });
    Choose(kMapImage, "mnuImageProperties");
    escapeAfter([](QDialog& dialog) { TypeAtEnd(Row(dialog, 4), "x"); });
    ShowProperties("Anchor1_0");
    escapeAfter([](QDialog& dialog) { TypeAtEnd(Row(dialog, 2), "x"); });
    ShowProperties("Input1_0");
    escapeAfter([](QDialog& dialog) { TypeAtEnd(Row(dialog, 2), "x"); });
    ShowProperties("Label1_0");
    EXPECT_EQ(escaped, 6);
    EXPECT_EQ(Saved(), EncodingPage("windows-1252-page.html"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Windows1252Dialogs, AfterUndoTheControlsShowExactlyTheRestoredStyles) {
    const std::pair<const char*, int> styleRows[] = {{"Anchor1_0", 3}, {"Label1_0", 1}};
    for (const auto& [control, styleRow] : styleRows) {
        WhenDialogOpens([styleRow](QDialog& dialog) {
            ASSERT_EQ(static_cast<frmProperties&>(dialog).lblName(styleRow)->text(), "Style");
            TypeAtEnd(Row(dialog, styleRow), "; color:Red");
        });
        ShowProperties(control);
        ASSERT_TRUE(htmlsim::testing::HasColor(Control(control)->grab().toImage(), qRgb(255, 0, 0)))
            << control;
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_FALSE(
            htmlsim::testing::HasColor(Control(control)->grab().toImage(), qRgb(255, 0, 0)))
            << control;
    }
    EXPECT_EQ(Saved(), EncodingPage("windows-1252-page.html"));
}

TEST_F(Windows1252Dialogs, TheLabelIsSizedToItsCharacters) {
    QWidget* label = Control("Label1_0");
    ASSERT_NE(label, nullptr);
    const double width = QtTextMeasurer().Measure("Caf\xC3\xA9", TextFont()).Width;
    EXPECT_NEAR(label->width(), width, 1.0);
}

}  // namespace
}  // namespace htmlsim::gui::testing
