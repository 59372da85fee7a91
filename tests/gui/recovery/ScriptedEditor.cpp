#include "ScriptedEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <iostream>

#include "DesignSurface.h"
#include "FakeDialogs.h"
#include "TempFolder.h"
#include "frmHTMLImage.h"
#include "recovery/RecoveryWatch.h"

namespace htmlsim::gui::testing {

namespace {

void DrawAreaOnMap(frmHTMLImage& window, double& now) {
    // The image map stands at 100,50; the area is drawn inside it.
    QWidget* pallet = window.DesignTab()->pctPallet();
    window.Menus().SetChooser([](QMenu&, const QPoint&) { return "mnuPalDefineClickableArea"; });
    QTest::mouseClick(pallet, Qt::RightButton, {}, QPoint(150, 100));
    QTest::mousePress(pallet, Qt::LeftButton, {}, QPoint(150, 100));
    QTest::mouseMove(pallet, QPoint(220, 140));
    now += 1;
    QTest::mouseRelease(pallet, Qt::LeftButton, {}, QPoint(220, 140));
}

void TypeAtEndOfSection(frmHTMLImage& window, const QString& section, const QString& text) {
    window.SSTab1()->setCurrentIndex(kDocumentEditorTab);
    QComboBox* sections = window.cboSections();
    const int index = sections->findText(section);
    for (int step = sections->currentIndex(); step < index; ++step) {
        QTest::keyClick(sections, Qt::Key_Down);
    }
    QPlainTextEdit* editor = window.txtDocument();
    QTest::mouseClick(editor->viewport(), Qt::LeftButton);
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    for (const QChar character : text) {
        // QTest knows keys for ASCII only; other characters come as the text of a key.
        if (character.unicode() < 0x80) {
            QTest::keyClick(editor, character.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
    }
    QTest::keyClick(editor, Qt::Key_Return);
}

}  // namespace

int RunScriptedEditor(const QStringList& arguments) {
    htmlsim::testing::FakeDialogs dialogs;
    htmlsim::testing::TempFolder program;
    double now = 1000;
    frmHTMLImage window(dialogs, program.File("program"), nullptr, [&now] { return now; });
    window.Start(arguments[0].toStdString());
    window.resize(900, 700);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    if (arguments.value(3) == "draw") {
        DrawAreaOnMap(window, now);
    }
    TypeAtEndOfSection(window, arguments[1], arguments[2]);
    QApplication::processEvents();
    now += 2;
    window.Recovery().WriteIfDue();
    const std::string copy =
        window.Recovery().Folder().Path() + "/" + window.Recovery().Keeper().Id() + ".html";
    if (!std::filesystem::exists(copy)) {
        std::cerr << "no recovery copy at " << copy << "\n";
        return 1;
    }
    std::cout << "ready" << std::endl;
    // Killed by its test; one left behind by a failed test still ends by itself.
    QTimer::singleShot(std::chrono::minutes(2), qApp, &QApplication::quit);
    return QApplication::exec();
}

}  // namespace htmlsim::gui::testing
