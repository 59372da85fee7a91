#include "codelib/frmCodeLibrary.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <filesystem>
#include <memory>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "codelib/SnippetViewer.h"

namespace htmlsim::gui {
namespace {

using namespace htmlsim::testing;

const std::filesystem::path kSamples =
    std::filesystem::path(HTMLSIM_SOURCE_DIR) / "tests/data/codelib";
const std::string kAbacusCode = "<b>\r\n  'x', \"y\"\r\n</b>";

// The library of tests/data/codelib/four-snippets (its README): Brenx's HTML snippets "Abacus"
// (kAbacusCode) and "Beta", PHP snippets "Php one" and "Wide", and a second author, Ann.
class CodeLibraryWindowTest : public ::testing::Test {
  protected:
    CodeLibraryWindowTest() {
        std::filesystem::copy(kSamples / "four-snippets", folder.Path());
        ShowWindow();
    }

    void ShowWindow() {
        window = std::make_unique<frmCodeLibrary>(dialogs, folder.Path());
        window->show();
    }

    template <typename T>
    T* Child(const char* name) {
        auto* child = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QStringList ListTexts() {
        QStringList texts;
        auto* list = Child<QListWidget>("lstProcedures");
        for (int i = 0; i < list->count(); ++i) {
            texts << list->item(i)->text();
        }
        return texts;
    }
    // Selects the row and turns to the tab that modifies its snippet.
    void EditSnippet(int row) {
        Child<QListWidget>("lstProcedures")->setCurrentRow(row);
        Child<QTabWidget>("SSTab1")->setCurrentIndex(1);
    }
    void SelectAndShow(int row) {
        Child<QListWidget>("lstProcedures")->setCurrentRow(row);
        Child<QPushButton>("cmdShow")->click();
    }
    std::string StoredCode(const std::string& name) {
        FakeDialogs quiet;
        CodeLibrary library(quiet, folder.Path());
        for (const auto& snippet : library.AllSnippets()) {
            if (snippet.name == name) {
                return snippet.codeText;
            }
        }
        return "<none>";
    }
    bool Pending() { return !Child<QPushButton>("cmdUpdate")->isHidden(); }
    void Choose(const char* combo, const QString& entry) {
        auto* box = Child<QComboBox>(combo);
        box->setCurrentIndex(box->findText(entry));
        ASSERT_GE(box->currentIndex(), 0) << combo << ' ' << entry.toStdString();
        emit box->activated(box->currentIndex());
    }
    // A click and a double click on the list's row, as a user deletes a snippet.
    void DoubleClick(int row) {
        auto* list = Child<QListWidget>("lstProcedures");
        const QRect place = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }

    TempFolder folder;
    FakeDialogs dialogs;
    std::unique_ptr<frmCodeLibrary> window;
};

TEST_F(CodeLibraryWindowTest, FilterListsChooseTheSnippetsShown) {
    auto* types = Child<QComboBox>("cboSnippetTypes");
    EXPECT_EQ(Child<QComboBox>("cboauthors")->currentText(), "Brenx");
    EXPECT_EQ(types->currentText(), "HTML");
    EXPECT_EQ(ListTexts(), (QStringList{"Abacus", "Beta"}));
    types->setCurrentIndex(types->findText("PHP"));
    EXPECT_EQ(ListTexts(), (QStringList{"Php one", "Wide"}));
    types->setCurrentIndex(types->findText("VB6"));
    EXPECT_TRUE(ListTexts().isEmpty());
}

TEST_F(CodeLibraryWindowTest, ShowPrintsCaptionsAndCodeAndCopyTakesTheCode) {
    auto* frame2 = Child<QGroupBox>("Frame2");
    EXPECT_FALSE(frame2->isVisible());
    SelectAndShow(0);
    auto* viewer = Child<SnippetViewer>("pctOutput");
    EXPECT_EQ(viewer->Lines(),
              (QStringList{"Author: Brenx", "Date: 03/05/2026", "Name: Abacus", "Type: HTML", "",
                           "Code:", "<b>", "  'x', \"y\"", "</b>"}));
    EXPECT_EQ(viewer->ColorAt(0, 0), QColor(0, 0, 255));
    EXPECT_TRUE(frame2->isVisible());

    Child<QPushButton>("cmdCpyToClpBrd")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), kAbacusCode);

    // A click on the index frame folds the viewer away; a key in the list shows again.
    QTest::mouseClick(Child<QGroupBox>("Frame1"), Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_FALSE(frame2->isVisible());
    Child<QListWidget>("lstProcedures")->setCurrentRow(1);
    QTest::keyClick(Child<QListWidget>("lstProcedures"), Qt::Key_Space);
    EXPECT_EQ(viewer->Lines().at(2), "Name: Beta");
    EXPECT_TRUE(frame2->isVisible());
}

TEST_F(CodeLibraryWindowTest, LeavingTheModifyTabStoresPendingEditsWithoutAsking) {
    EditSnippet(0);
    auto* tabs = Child<QTabWidget>("SSTab1");
    EXPECT_EQ(Child<QLineEdit>("txtName")->text(), "Abacus");
    EXPECT_EQ(Child<QPlainTextEdit>("txtWindow")->toPlainText(), "<b>\n  'x', \"y\"\n</b>");
    EXPECT_FALSE(Pending());

    Child<QPlainTextEdit>("txtWindow")->setPlainText("new\ncode");
    EXPECT_TRUE(Pending());
    tabs->setCurrentIndex(0);
    EXPECT_FALSE(Pending());
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(StoredCode("Abacus"), "new\r\ncode");
    EXPECT_FALSE(Child<QGroupBox>("Frame2")->isVisible());

    // A renamed snippet is listed under its new name.
    tabs->setCurrentIndex(1);
    Child<QLineEdit>("txtName")->setText("Abacus 2");
    Child<QPushButton>("cmdUpdate")->click();
    EXPECT_FALSE(Pending());
    EXPECT_EQ(ListTexts(), (QStringList{"Abacus 2", "Beta"}));
    EXPECT_EQ(StoredCode("Abacus 2"), "new\r\ncode");
}

TEST_F(CodeLibraryWindowTest, AddAsksAboutPendingChangesThenForTheName) {
    EditSnippet(1);
    Child<QPlainTextEdit>("txtWindow")->setPlainText("beta 2");
    dialogs.yesNoAnswers = {true};
    dialogs.inputAnswers = {"Gamma"};
    Child<QPushButton>("cmdAdd")->click();
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[0].kind, "yesno");
    EXPECT_EQ(dialogs.asked[1].kind, "input");
    EXPECT_EQ(StoredCode("Beta"), "beta 2");
    EXPECT_EQ(ListTexts(), (QStringList{"Abacus", "Beta", "Gamma"}));
    EXPECT_EQ(Child<QListWidget>("lstProcedures")->currentItem()->text(), "Gamma");
    EXPECT_EQ(StoredCode("Gamma"), "");

    // No keeps the edits unstored and still asks for the name; an empty name adds nothing.
    Child<QTabWidget>("SSTab1")->setCurrentIndex(0);
    EditSnippet(0);
    Child<QPlainTextEdit>("txtWindow")->setPlainText("unsaved");
    dialogs.asked.clear();
    dialogs.yesNoAnswers = {false};
    Child<QPushButton>("cmdAdd")->click();
    EXPECT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(StoredCode("Abacus"), kAbacusCode);
    EXPECT_EQ(ListTexts().size(), 3);
}

TEST_F(CodeLibraryWindowTest, DoubleClickDeletesAfterConfirming) {
    dialogs.yesNoAnswers = {false, true};
    DoubleClick(1);
    EXPECT_EQ(ListTexts(), (QStringList{"Abacus", "Beta"}));
    DoubleClick(1);
    EXPECT_EQ(dialogs.asked.at(1).prompt, "Are you sure you want to delete 'Beta'");
    EXPECT_EQ(ListTexts(), (QStringList{"Abacus"}));
    EXPECT_EQ(StoredCode("Beta"), "<none>");
}

// The fixture's library file replaced by that of tests/data/codelib/windows-1252 (its README).
class CodeLibraryWindows1252Test : public CodeLibraryWindowTest {
  protected:
    CodeLibraryWindows1252Test() {
        window.reset();
        WriteFileBytes(file, adopted);
        ShowWindow();
    }

    const std::filesystem::path samples = kSamples / "windows-1252";
    const std::string adopted = ReadFileBytes(samples / "ProcedureLib.dat");
    const std::filesystem::path file = folder.Path() / "ProcedureLib.dat";
};

TEST_F(CodeLibraryWindows1252Test, TheFileIsShownEditedAndDeletedInItsOwnEncoding) {
    auto* code = Child<QPlainTextEdit>("txtWindow");
    auto* update = Child<QPushButton>("cmdUpdate");
    EXPECT_EQ(ListTexts(), QStringList{QString::fromUtf8("Caf\xC3\xA9")});

    EditSnippet(0);
    EXPECT_EQ(Child<QLineEdit>("txtName")->text(), QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(code->toPlainText(), QString::fromUtf8("x = '\xC3\xA9';\ny = 1;"));
    // Storing without a change keeps every byte.
    code->setPlainText(code->toPlainText());
    update->click();
    EXPECT_EQ(ReadFileBytes(file), adopted);

    code->setPlainText(QString::fromUtf8("x = '\xC3\xA4';\ny = 1;"));
    update->click();
    EXPECT_EQ(ReadFileBytes(file), ReadFileBytes(samples / "ProcedureLib-edited.dat"));
    EXPECT_TRUE(dialogs.messages.empty());

    // A character Windows-1252 cannot hold is refused; the edit stays pending.
    code->setPlainText(QString::fromUtf8("\xE2\x9C\x93"));
    update->click();
    EXPECT_EQ(dialogs.MessageTexts(),
              (std::vector<std::string>{
                  "The code holds \xE2\x9C\x93, which the Windows-1252 library file "
                  "'ProcedureLib.dat' cannot hold. Please choose another character."}));
    EXPECT_TRUE(Pending());
    code->setPlainText(QString::fromUtf8("x = '\xC3\xA4';\ny = 1;"));
    update->click();

    // The listed name finds its record.
    dialogs.yesNoAnswers = {true};
    Child<QTabWidget>("SSTab1")->setCurrentIndex(0);
    DoubleClick(0);
    EXPECT_TRUE(ListTexts().isEmpty());
    EXPECT_EQ(ReadFileBytes(file), "");
}

TEST_F(CodeLibraryWindowTest, ASnippetMovedToAnotherTypeAndAuthorIsListedThereOnly) {
    EditSnippet(0);
    Choose("cboauthors2", "Ann");
    Choose("cboSnippetTypes2", "PHP");
    EXPECT_TRUE(Pending());
    Child<QTabWidget>("SSTab1")->setCurrentIndex(0);  // stores it
    Choose("cboSnippetTypes", "PHP");
    EXPECT_EQ(ListTexts(), (QStringList{"Php one", "Wide"}));
    Choose("cboauthors", "Ann");
    EXPECT_EQ(ListTexts(), (QStringList{"Abacus"}));
    Choose("cboauthors", "Brenx");
    Choose("cboSnippetTypes", "HTML");
    EXPECT_EQ(ListTexts(), (QStringList{"Beta"}));
    EXPECT_EQ(StoredCode("Abacus"), kAbacusCode);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CodeLibraryWindowTest, EnterInTheNameBoxCompletesFromTheSelectedSnippet) {
    EditSnippet(0);
    auto* name = Child<QLineEdit>("txtName");
    name->setText("aB");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(name->text(), "Abacus");
    name->setText("BETA");  // not the start of the selected name: kept, and its entry selected
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(name->text(), "BETA");
    EXPECT_EQ(Child<QListWidget>("lstProcedures")->currentItem()->text(), "Beta");
}

TEST_F(CodeLibraryWindowTest, ArrowKeysScrollTheViewerWithinItsLimits) {
    Choose("cboSnippetTypes", "PHP");
    SelectAndShow(1);
    auto* viewer = Child<SnippetViewer>("pctOutput");
    auto* vertical = Child<QScrollBar>("VScroll1");
    auto* horizontal = Child<QScrollBar>("HScroll1");
    ASSERT_TRUE(vertical->isVisible() && horizontal->isVisible());
    QTest::keyClick(viewer, Qt::Key_Up);
    QTest::keyClick(viewer, Qt::Key_Left);
    EXPECT_EQ(vertical->value(), 0);
    EXPECT_EQ(horizontal->value(), 0);
    QTest::keyClick(viewer, Qt::Key_Down);
    EXPECT_EQ(vertical->value(), vertical->singleStep());
    EXPECT_LT(viewer->y(), 0);
    for (int press = 0; press <= horizontal->maximum() / horizontal->singleStep() + 1; ++press) {
        QTest::keyClick(viewer, Qt::Key_Right);
    }
    EXPECT_EQ(horizontal->value(), horizontal->maximum());
    // The widest line's end (4 pixels before the viewer's) meets the container's inner edge.
    const QRect inner = Child<QWidget>("pctcontainer")->contentsRect();
    EXPECT_EQ(viewer->x() + viewer->width() - 4, inner.right() + 1);
    EXPECT_TRUE(viewer->hasFocus());
}

}  // namespace
}  // namespace htmlsim::gui
