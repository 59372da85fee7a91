#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolBar>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "../Pictures.h"
#include "DesignedPageWindow.h"
#include "PageDocument.h"
#include "QtTextMeasurer.h"
#include "ScriptStep.h"
#include "document/DocumentTemplate.h"
#include "properties/frmProperties.h"

namespace htmlsim::gui::testing {
namespace {

using htmlsim::testing::ReadFileBytes;
using htmlsim::testing::WriteFileBytes;

// Gestures on the window's real surface, in its dialogs and its editor, and what they must
// leave, one case a folder here: script.txt, a step a line (the commands of
// SurfaceScripts::Commands; `#` starts a comment), page.html when the page is not
// DesignedPageWindow's, and the files the script names after an "@". Points on the surface read
// "x,y", places in the editor's text "line,column". The steps between "dialog X,Y ITEM" (or
// "dialog control NAME") and "end [BUTTON|escape]" run in the dialog the menu's item opens,
// which the end closes (accepted unless it names how).
const std::filesystem::path kCases = HTMLSIM_SOURCE_DIR "/tests/data/gui-surface-scripts";

using Command = std::function<void(const Step&)>;

// The window on the page of the case in `folder`, and the script's commands.
class ScriptedWindow : public DesignedPageWindow {
  protected:
    explicit ScriptedWindow(std::filesystem::path folder)
        : DesignedPageWindow(PageOf(folder)), caseFolder(std::move(folder)) {}

    // The case's page, opened with the settings of its settings.txt ("key value" a line) as a
    // previous run left them: page.html, or the template with the sections of on-template.html.
    static std::string PageOf(const std::filesystem::path& folder) {
        std::istringstream settings(CaseFile(folder, "settings.txt"));
        for (std::string key, value; settings >> key >> value;) {
            QSettings().setValue(QString::fromStdString(key), QString::fromStdString(value));
        }
        if (std::filesystem::exists(folder / "on-template.html")) {
            std::string page = NewDocumentTemplate();
            FakeDialogs quiet;
            const SectionTable sections = ListSections(CaseFile(folder, "on-template.html"), quiet);
            for (size_t index = 1; index < sections.Count(); ++index) {
                ReplaceSectionBody(page, sections.Name(index), std::string(sections.Body(index)),
                                   quiet);
            }
            return page;
        }
        const std::string page = CaseFile(folder, "page.html");
        return page.empty() ? htmlsim::testing::ThreeImagesPage() : page;
    }
    // A file the case may leave out ("" then).
    static std::string CaseFile(const std::filesystem::path& folder, const std::string& file) {
        return std::filesystem::exists(folder / file) ? ReadFileBytes(folder / file) : "";
    }
    ~ScriptedWindow() override { QSettings().clear(); }

    // The text after `count` words: the case's file it names after an "@", the document kept
    // under the name after an "=", or itself.
    std::string Text(const Step& step, size_t count) {
        const std::string text = step.Rest(count);
        // A file or document named but missing fails the case, never reads as empty.
        return text.starts_with('@')   ? ReadFileBytes(caseFolder / text.substr(1))
               : text.starts_with('=') ? kept.at(text.substr(1))
                                       : text;
    }
    const ImageSurface& Canvas() { return window.DesignTab()->Canvas(); }
    // An outline's index: a number, "current" (the area worked on) or "areaN" (the page's N-th).
    int OutlineIndex(const std::string& name) {
        return name == "current"          ? Design().CurrentClickableArea->Index
               : name.starts_with("area") ? Design().Areas.Item(std::stoi(name.substr(4)))->Index
                                          : std::stoi(name);
    }
    // Whether the surface shows the colour named (shot, highlight or Qt's name; "~" before it:
    // near it, as a JPEG keeps it).
    bool Painted(const QPoint& at, const std::string& color) {
        const bool near = color.starts_with('~');
        const std::string name = color.substr(near ? 1 : 0);
        const QRgb shown = Pallet()->grab().toImage().pixel(at);
        const QRgb wanted = name == "shot"        ? kShotColor
                            : name == "highlight" ? ImageSurface::kHighlightColor
                                                  : QColor(QString::fromStdString(name)).rgb();
        const int far = std::max({std::abs(qRed(shown) - qRed(wanted)),
                                  std::abs(qGreen(shown) - qGreen(wanted)),
                                  std::abs(qBlue(shown) - qBlue(wanted))});
        return near ? far <= 16 : shown == wanted;
    }
    // What the file manager does when the folder's files named are dropped on the surface.
    void Drop(const Step& step) {
        QMimeData data;
        for (size_t word = 1; word < step.words.size(); ++word) {
            data.setUrls(data.urls() << QUrl::fromLocalFile(folder.File(step[word]).c_str()));
        }
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(Pallet(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(Pallet(), &drop);
        QCoreApplication::processEvents();
    }
    void Click(const Step& step, Qt::MouseButton button, bool twice = false) {
        for (const QPoint& at : step.Points(1)) {
            twice ? QTest::mouseDClick(Pallet(), button, {}, at)
                  : QTest::mouseClick(Pallet(), button, {}, at);
        }
    }
    void PressKey(const Step& step) {  // Qt's name of the key, and how many times
        const QKeyCombination key = QKeySequence(QString::fromStdString(step[1]))[0];
        for (int times = step[2].empty() ? 1 : step.Number(2); times > 0; --times) {
            Pallet()->setFocus();
            QTest::keyClick(Pallet(), key.key(), key.keyboardModifiers());
        }
    }
    // A box of the dialog shown (the Properties' row of that number; a combo box's text) or,
    // when none is shown, of the surface or else of the window.
    QWidget* Box(const std::string& name) {
        if (shown != nullptr && std::isdigit(name[0]) != 0) {
            return static_cast<frmProperties*>(shown)->txtValue(std::stoi(name));
        }
        QWidget* onSurface =
            shown == nullptr ? Pallet()->findChild<QWidget*>(name.c_str()) : nullptr;
        auto* widget = onSurface != nullptr
                           ? onSurface
                           : Find<QWidget>(shown != nullptr ? *shown : *Scope(), name.c_str());
        auto* combo = qobject_cast<QComboBox*>(widget);
        return combo != nullptr && combo->isEditable() ? combo->lineEdit() : widget;
    }
    static QString TextOf(const QWidget* box) {
        if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
            return line->text();
        }
        if (const auto* label = qobject_cast<const QLabel*>(box)) {
            return label->text();
        }
        if (const auto* combo = qobject_cast<const QComboBox*>(box)) {
            return combo->currentText();
        }
        return qobject_cast<const QPlainTextEdit*>(box)->toPlainText();
    }
    // The format the editor gives its text at a line and column.
    QTextCharFormat FormatAt(const QPoint& at) {
        const QTextBlock block = window.txtDocument()->document()->findBlockByNumber(at.x());
        for (const auto& range : block.layout()->formats()) {
            if (at.y() >= range.start && at.y() < range.start + range.length) {
                return range.format;
            }
        }
        return {};
    }
    // The path of a file of the page's folder about to be written, its own folder made.
    std::string NewFile(const std::string& name) {
        std::filesystem::create_directories(std::filesystem::path(folder.File(name)).parent_path());
        return folder.File(name);
    }
    // The dialog shown, or else the window.
    QWidget* Scope() { return shown != nullptr ? static_cast<QWidget*>(shown) : &window; }
    // Types the text at an end (Home or End) of a box as a keyboard would, one character a key.
    static void TypeAt(QWidget* box, const QString& text, Qt::Key end = Qt::Key_End) {
        box->setFocus();
        QTest::keyClick(box, end, Qt::ControlModifier);
        QTest::keyClick(box, end);  // a line edit's text may be selected whole
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    // Replaces a box's text; `focused` as in a box the user has clicked into, where only a
    // combo box with the focus completes.
    void TypeOver(QWidget* box, const QString& text, bool focused) {
        if (focused) {
            box->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(box->window()));
            box->setFocus();
            ASSERT_TRUE(box->hasFocus());
        }
        if (auto* line = qobject_cast<QLineEdit*>(box)) {
            Retype(line, text);
        } else {
            Retype(qobject_cast<QPlainTextEdit*>(box), text);
        }
    }
    // A box's state: enabled, disabled, visible, hidden, checked, unchecked, invalid, read-only
    // or missing; "dialog" is the dialog shown, "window" the window.
    bool Is(const std::string& name, const std::string& state) {
        const QString found = QString::fromStdString(name);
        QWidget* box = name == "dialog"   ? shown
                       : name == "window" ? &window
                                          : Scope()->findChild<QWidget*>(found);
        if (box == nullptr || state == "missing") {
            return box == nullptr && state == "missing";
        }
        const auto* button = qobject_cast<const QAbstractButton*>(box);
        const auto* line = qobject_cast<const QLineEdit*>(box);
        const bool visible = box == Scope() ? box->isVisible() : box->isVisibleTo(Scope());
        const std::map<std::string, bool> states{
            {"enabled", box->isEnabled()},
            {"disabled", !box->isEnabled()},
            {"visible", visible},
            {"hidden", !visible},
            {"checked", button != nullptr && button->isChecked()},
            {"unchecked", button != nullptr && !button->isChecked()},
            {"invalid", box->property("invalid").toBool()},
            {"read-only", line != nullptr && line->isReadOnly()}};
        return states.at(state);
    }
    // Runs the steps; those between "dialog" and "end" in the dialog the first opens.
    void Run(const std::vector<Step>& steps, const std::map<std::string, Command>& commands) {
        for (auto step = steps.begin(); step != steps.end(); ++step) {
            SCOPED_TRACE(step->text);
            if ((*step)[0] != "dialog") {
                ASSERT_TRUE(commands.contains((*step)[0])) << (*step)[0];
                commands.at((*step)[0])(*step);
                continue;
            }
            const auto end =
                std::find_if(step, steps.end(), [](const Step& s) { return s[0] == "end"; });
            ASSERT_NE(end, steps.end());
            const std::vector<Step> inside(step + 1, end);
            InDialog(
                [&] {
                    if ((*step)[1] == "control") {
                        ControlCommand((*step)[2].c_str(), "Properties");
                    } else {
                        commands.at("choose")(*step);
                    }
                },
                [&](QDialog& dialog) {
                    shown = &dialog;
                    Run(inside, commands);
                    shown = nullptr;
                },
                [how = (*end)[1]](QDialog& dialog) {
                    if (how == "escape") {
                        QTest::keyClick(&dialog, Qt::Key_Escape);
                        EXPECT_TRUE(dialog.isHidden() && dialog.result() == QDialog::Rejected);
                    } else if (!how.empty()) {
                        PushButton(dialog, how.c_str());
                    } else {
                        dialog.accept();
                    }
                });
            step = end;
        }
    }

    std::map<std::string, Command> Commands() {
        return {
            // Gestures.
            {"click", [this](const Step& step) { Click(step, Qt::LeftButton); }},
            {"dclick", [this](const Step& step) { Click(step, Qt::LeftButton, true); }},
            {"right", [this](const Step& step) { Click(step, Qt::RightButton); }},
            {"move", [this](const Step& step) { QTest::mouseMove(Pallet(), step.Point(1)); }},
            {"drag",  // from, to, and the seconds between (one unless given)
             [this](const Step& step) {
                 LeftDrag(step.Point(1), step.Point(2), step[3].empty() ? 1.0 : std::stod(step[3]));
             }},
            {"key", [this](const Step& step) { PressKey(step); }},
            {"choose",  // at a point, an enabled item of the menu there: object name or caption
             [this](const Step& step) {
                 Choose(step.Point(1), QString::fromStdString(step.Rest(2)));
                 EXPECT_EQ(items[chosen], std::make_pair(true, true)) << chosen.toStdString();
             }},
            {"file",  // written into the page's folder with the text that follows
             [this](const Step& step) { WriteFileBytes(NewFile(step[1]), Text(step, 2)); }},
            {"drop", [this](const Step& step) { Drop(step); }},
            {"picture",  // of one colour written into the page's folder: name, width, height,
                         // colour
             [this](const Step& step) {
                 EXPECT_TRUE(htmlsim::testing::WritePicture(
                     NewFile(step[1]), step.Number(2), step.Number(3),
                     QColor(QString::fromStdString(step[4]))));
             }},
            {"scroll",  // the surface's bars to these values
             [this](const Step& step) {
                 window.DesignTab()->HScroll1()->setValue(step.Number(1));
                 window.DesignTab()->VScroll1()->setValue(step.Number(2));
             }},
            {"clipboard",  // a picture of that width, height and colour
             [](const Step& step) {
                 QGuiApplication::clipboard()->setImage(htmlsim::testing::Filled(
                     step.Number(1), step.Number(2), QColor(QString::fromStdString(step[3]))));
             }},
            {"answer-input",  // the text the next question for one answers
             [this](const Step& step) { dialogs.inputAnswers.push_back(step.Rest(1)); }},
            {"answer-file",  // the name the next file chooser answers
             [this](const Step& step) { dialogs.fileAnswers.push_back(folder.File(step[1])); }},
            {"press",  // a key, given as Qt names it, on the box named or the widget with the focus
             [this](const Step& step) {
                 const QKeyCombination key = QKeySequence(QString::fromStdString(step[1]))[0];
                 QTest::keyClick(step[2].empty() ? QApplication::focusWidget() : Box(step[2]),
                                 key.key(), key.keyboardModifiers());
             }},
            {"tab",  // of the window, active: editor or design
             [this](const Step& step) {
                 window.activateWindow();
                 ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
                 window.SSTab1()->setCurrentIndex(step[1] == "editor" ? kDocumentEditorTab
                                                                      : kImageDesignTab);
             }},
            {"window-key",  // pressed on the window once it is active again
             [this](const Step& step) {
                 window.activateWindow();
                 ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
                 const QKeyCombination key = QKeySequence(QString::fromStdString(step[1]))[0];
                 QTest::keyClick(&window, key.key(), key.keyboardModifiers());
             }},
            // In a dialog, or on the surface's controls.
            {"type",
             [this](const Step& step) { TypeOver(Box(step[1]), Text(step, 2).c_str(), false); }},
            {"complete",  // typed into the box with the focus
             [this](const Step& step) { TypeOver(Box(step[1]), Text(step, 2).c_str(), true); }},
            {"append", [this](const Step& step) { TypeAt(Box(step[1]), Text(step, 2).c_str()); }},
            {"prepend",
             [this](const Step& step) {
                 TypeAt(Box(step[1]), Text(step, 2).c_str(), Qt::Key_Home);
             }},
            {"clear",
             [this](const Step& step) { qobject_cast<QLineEdit*>(Box(step[1]))->clear(); }},
            {"tick",  // a check box or radio button
             [this](const Step& step) { Find<QAbstractButton>(*shown, step[1].c_str())->click(); }},
            {"push", [this](const Step& step) { PushButton(*shown, step[1].c_str()); }},
            {"activate",  // a combo box's entry of that index
             [this](const Step& step) {
                 emit Find<QComboBox>(*shown, step[1].c_str())->activated(step.Number(2));
             }},
            {"title",
             [this](const Step& step) {
                 EXPECT_EQ(shown->windowTitle().toStdString(), step.Rest(1));
             }},
            {"is", [this](const Step& step) { EXPECT_TRUE(Is(step[1], step[2])); }},
            {"text",
             [this](const Step& step) {
                 EXPECT_EQ(TextOf(Box(step[1])).toStdString(), Text(step, 2));
             }},
            {"mentions",
             [this](const Step& step) {
                 EXPECT_NE(TextOf(Box(step[1])).toStdString().find(Text(step, 2)),
                           std::string::npos);
             }},
            {"offers",  // a combo box's entry, at the index when one follows
             [this](const Step& step) {
                 const auto* combo = Find<QComboBox>(*shown, step[1].c_str());
                 const int found = combo->findText(QString::fromStdString(step[2]));
                 EXPECT_TRUE(step[3].empty() ? found >= 0 : found == step.Number(3)) << found;
             }},
            {"entry",  // of a combo box, chosen with the mouse: the list takes the focus first
             [this](const Step& step) {
                 auto* combo = Find<QComboBox>(*Scope(), step[1].c_str());
                 QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
                 QApplication::sendEvent(combo, &focusIn);
                 while (combo->currentIndex() < step.Number(2)) {
                     QTest::keyClick(combo, Qt::Key_Down);
                 }
             }},
            {"count",
             [this](const Step& step) {
                 EXPECT_EQ(Find<QComboBox>(*Scope(), step[1].c_str())->count(), step.Number(2));
             }},
            {"row-name",  // of the Properties' row of that number
             [this](const Step& step) {
                 EXPECT_EQ(static_cast<frmProperties*>(shown)
                               ->lblName(step.Number(1))
                               ->text()
                               .toStdString(),
                           step.Rest(2));
             }},
            {"unlike",  // two boxes drawn in other colours
             [this](const Step& step) {
                 EXPECT_NE(Box(step[1])->palette().color(QPalette::Base),
                           Box(step[2])->palette().color(QPalette::Base));
             }},
            {"control-drag",  // a page control, from and to points of its own
             [this](const Step& step) {
                 QWidget* control = Box(step[1]);
                 QTest::mousePress(control, Qt::LeftButton, {}, step.Point(2));
                 QTest::mouseMove(control, step.Point(3));
                 QTest::mouseRelease(control, Qt::LeftButton, {}, step.Point(3));
             }},
            {"control-click",
             [this](const Step& step) {
                 QTest::mouseClick(Box(step[1]), Qt::LeftButton, {}, step.Point(2));
             }},
            {"placed",  // a page control shown at the point on the surface
             [this](const Step& step) {
                 const QWidget* control = Box(step[1]);
                 EXPECT_TRUE(control->isVisible() && control->pos() == step.Point(2));
             }},
            {"labels",
             [this](const Step& step) {
                 QCoreApplication::processEvents();  // a removal is queued
                 EXPECT_EQ(window.Controls().LabelCount(), step.Number(1));
             }},
            {"control",  // a page control's command, by caption
             [this](const Step& step) {
                 ControlCommand(step[1].c_str(), QString::fromStdString(step.Rest(2)));
                 QCoreApplication::processEvents();  // a removal is queued
             }},
            {"run",  // a command as the menu bar runs it
             [this](const Step& step) { EXPECT_TRUE(window.Interaction().RunCommand(step[1])); }},
            {"trigger", [this](const Step& step) { Trigger(step[1].c_str()); }},
            // What the document holds.
            {"holds",
             [this](const Step& step) { EXPECT_TRUE(SectionHolds(step[1], Text(step, 2))); }},
            {"lacks",
             [this](const Step& step) {
                 EXPECT_EQ(Section(step[1]).find(Text(step, 2)), std::string::npos)
                     << Section(step[1]);
             }},
            {"section", [this](const Step& step) { EXPECT_EQ(Section(step[1]), Text(step, 2)); }},
            {"document", [this](const Step& step) { EXPECT_EQ(Document(), Text(step, 1)); }},
            {"keep", [this](const Step& step) { kept[step[1]] = Document(); }},
            {"bytes",  // of a file of the page's folder
             [this](const Step& step) {
                 EXPECT_EQ(ReadFileBytes(folder.File(step[1])), Text(step, 2));
             }},
            {"saved",  // a file of the page's folder holding the text that follows
             [this](const Step& step) {
                 EXPECT_NE(ReadFileBytes(folder.File(step[1])).find(Text(step, 2)),
                           std::string::npos);
             }},
            {"absent",  // a file of the page's folder
             [this](const Step& step) {
                 EXPECT_FALSE(std::filesystem::exists(folder.File(step[1])));
             }},
            {"changed",  // since the page was saved: yes or no
             [this](const Step& step) {
                 EXPECT_EQ(GetSession().ChangedSinceSaved(), step[1] == "yes");
             }},
            {"close", [this](const Step&) { EXPECT_TRUE(window.close()); }},
            {"keep-for-browser",  // the folder's files, when HTMLSIM_KEEP_PAGES names where
             [this](const Step&) {
                 const char* keep = std::getenv("HTMLSIM_KEEP_PAGES");
                 const auto kept = std::filesystem::path(keep ? keep : "") / caseFolder.filename();
                 for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
                     if (keep != nullptr && *keep != '\0' && entry.is_regular_file()) {
                         std::filesystem::create_directories(kept);
                         std::filesystem::copy_file(
                             entry.path(), kept / entry.path().filename(),
                             std::filesystem::copy_options::overwrite_existing);
                     }
                 }
             }},
            {"messages",  // shown since the last check: the one that follows, or none
             [this](const Step& step) {
                 const std::string message = Text(step, 1);
                 EXPECT_EQ(dialogs.MessageTexts(),
                           message.empty() ? std::vector<std::string>{} : std::vector{message});
                 dialogs.messages.clear();
             }},
            {"asked",  // the kinds of the questions asked
             [this](const Step& step) {
                 std::vector<std::string> kinds;
                 for (const auto& asked : dialogs.asked) {
                     kinds.push_back(asked.kind);
                 }
                 EXPECT_EQ(kinds, std::vector(step.words.begin() + 1, step.words.end()));
             }},
            {"area",  // the name of the page's n-th area
             [this](const Step& step) {
                 EXPECT_EQ(Design().Areas.Item(step.Number(1))->Name, step[2]);
             }},
            {"unchanged",  // the section named, or the whole document, as it was opened
             [this](const Step& step) {
                 EXPECT_EQ(step[1].empty() ? Document() : Section(step[1]),
                           step[1].empty() ? opened : GetSectionText(opened, step[1]));
             }},
            // What the window shows.
            {"outline",  // of an area: x,y,width,height
             [this](const Step& step) {
                 int x = 0, y = 0, width = 0, height = 0;
                 std::sscanf(step[2].c_str(), "%d,%d,%d,%d", &x, &y, &width, &height);
                 const QRect rect(x, y, width, height);
                 EXPECT_EQ(Canvas().Outlines().at(OutlineIndex(step[1])).rect, rect);
             }},
            {"pixels",  // of a colour ("!" before it: of any other) at each point
             [this](const Step& step) {
                 const bool other = step[1].starts_with('!');
                 for (const QPoint& at : step.Points(2)) {
                     EXPECT_NE(Painted(at, step[1].substr(other ? 1 : 0)), other)
                         << at.x() << "," << at.y();
                 }
             }},
            {"command",  // of the window: (un)checked or (dis)enabled, then its tooltip if given
             [this](const Step& step) {
                 QCoreApplication::processEvents();  // a gesture's own turn ends first
                 const QAction* action = window.MenuItem(step[1].c_str());
                 EXPECT_EQ(step[2].ends_with("checked")
                               ? (action->isChecked() ? "checked" : "unchecked")
                               : (action->isEnabled() ? "enabled" : "disabled"),
                           step[2]);
                 EXPECT_TRUE(step[3].empty() || action->toolTip().toStdString() == step.Rest(3))
                     << action->toolTip().toStdString();
             }},
            {"shows",  // a page control painted with the colour, or ("!" before it) without
             [this](const Step& step) {
                 const bool without = step[2].starts_with('!');
                 const QColor color(QString::fromStdString(step[2].substr(without ? 1 : 0)));
                 EXPECT_NE(htmlsim::testing::HasColor(Box(step[1])->grab().toImage(), color.rgb()),
                           without);
             }},
            {"sized",  // a page control as wide as the text that follows in its font
             [this](const Step& step) {
                 const double width = QtTextMeasurer().Measure(step.Rest(2), TextFont()).Width;
                 EXPECT_NEAR(Box(step[1])->width(), width, 1.0);
             }},
            {"outlines",  // how many the surface has, or ("hidden") that none shows
             [this](const Step& step) {
                 for (const auto& [index, outline] : Canvas().Outlines()) {
                     EXPECT_TRUE(step[1] != "hidden" || !outline.visible) << index;
                 }
                 EXPECT_TRUE(step[1] == "hidden" ||
                             Canvas().Outlines().size() == static_cast<size_t>(step.Number(1)));
             }},
            {"pallet",  // at the point in its container, or off it
             [this](const Step& step) {
                 EXPECT_EQ(Pallet()->pos() == step.Point(2), step[1] == "at");
             }},
            {"highlighted",
             [this](const Step& step) { EXPECT_EQ(Canvas().Highlighted(), step.Number(1)); }},
            {"not-drawing",
             [this](const Step&) { EXPECT_FALSE(window.Interaction().Mouse().DrawMode()); }},
            {"menu",  // shown last, and where on the surface when a point follows
             [this](const Step& step) {
                 EXPECT_EQ(shownMenu.toStdString(), step[1]);
                 EXPECT_TRUE(step[2].empty() || menuAt == Pallet()->mapToGlobal(step.Point(2)));
             }},
            {"item",  // of the menu shown last: shown, hidden, enabled or disabled
             [this](const Step& step) {
                 const auto [visible, enabled] = items.at(QString::fromStdString(step[1]));
                 EXPECT_EQ(step[2], step[2].ends_with("abled") ? (enabled ? "enabled" : "disabled")
                                                               : (visible ? "shown" : "hidden"));
             }},
            {"selection",  // what the status bar's description holds; none when nothing follows
             [this](const Step& step) {
                 QCoreApplication::processEvents();  // the last key's release is handled
                 const std::string part = step.Rest(1);
                 EXPECT_TRUE(part.empty() ? Selection().empty()
                                          : Selection().find(part) != std::string::npos)
                     << Selection();
             }},
            {"focus",  // the widget with the keyboard's focus
             [](const Step& step) {
                 EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), step[1]);
             }},
            {"found",  // where the editor's selection starts, and what it holds when given
             [this](const Step& step) {
                 const QTextCursor cursor = window.txtDocument()->textCursor();
                 EXPECT_EQ(cursor.selectionStart(), step.Number(1));
                 EXPECT_TRUE(step[2].empty() || cursor.selectedText().toStdString() == step[2]);
             }},
            {"format",  // at line,column: bold, plain, styled, or same as or other than at another
             [this](const Step& step) {
                 const QTextCharFormat format = FormatAt(step.Point(1));
                 if (step[2] == "bold") {
                     EXPECT_EQ(format.fontWeight(), QFont::Bold);
                 } else if (step[2] == "plain" || step[2] == "styled") {
                     EXPECT_EQ(format == QTextCharFormat(), step[2] == "plain");
                 } else {
                     EXPECT_EQ(format == FormatAt(step.Point(3)), step[2] == "same");
                 }
             }},
            {"show",  // the text in the editor, as the program puts it there
             [this](const Step& step) { window.ShowEditorText(Text(step, 1)); }},
            {"editor",  // the editor's text as the user sees it
             [this](const Step& step) { EXPECT_EQ(window.EditorText(), Text(step, 1)); }},
            {"toolbar",  // a click on the command's button, enabled
             [this](const Step& step) {
                 QWidget* button = Find<QToolBar>(window, "tbMain")
                                       ->widgetForAction(Find<QAction>(window, step[1].c_str()));
                 ASSERT_TRUE(button != nullptr && button->isEnabled()) << step[1];
                 QTest::mouseClick(button, Qt::LeftButton);
                 QCoreApplication::processEvents();
             }},
            {"caption",  // of the window: the path of the folder's file, then what follows it
             [this](const Step& step) {
                 EXPECT_EQ(window.windowTitle().toStdString(),
                           folder.File(step[1]) + (step[2].empty() ? "" : " " + step.Rest(2)));
             }},
            {"status",  // the status bar's message, the folder's path for a "~/" before a name
             [this](const Step& step) {
                 std::string message = step.Rest(1);
                 for (size_t at; (at = message.find("~/")) != std::string::npos;) {
                     message.replace(at, 2, folder.Path().string() + "/");
                 }
                 EXPECT_EQ(window.statusBar()->currentMessage().toStdString(), message);
             }},
            {"balloon",  // on the image of that number at that left and top, read back
             [this](const Step& step) {
                 const auto on = [&step](const ClickableAreaPtr& area) {
                     return area->AreaType == kAreaBalloon && area->ImageID == step.Number(1) &&
                            QPoint(area->Left, area->Top) == step.Point(2);
                 };
                 EXPECT_EQ(std::count_if(Design().Areas.begin(), Design().Areas.end(), on), 1);
             }},
            {"pointer",
             [this](const Step& step) {
                 EXPECT_EQ(window.findChild<QLabel*>("lblPointer")->text().toStdString(),
                           step.Rest(1));
             }},
            // The session.
            {"page",  // the page open now, written to its file and named in the title
             [this](const Step& step) {
                 const std::string path = folder.File(step[1]);
                 EXPECT_EQ(GetSession().PathAndName(), path);
                 EXPECT_TRUE(std::filesystem::exists(path));
                 EXPECT_EQ(window.windowTitle().toStdString(), path);
             }},
            {"images",
             [this](const Step& step) { EXPECT_EQ(Design().ImageCount(), step.Number(1)); }},
            {"areas",
             [this](const Step& step) { EXPECT_EQ(Design().Areas.Count(), step.Number(1)); }},
            {"image",  // the n-th image's left and top, and its kind when one follows
             [this](const Step& step) {
                 const auto& image = Design().Image(step.Number(1));
                 EXPECT_EQ(QPoint(image.Left, image.Top), step.Point(2));
                 const std::map<std::string, ImageKind> kinds{
                     {"hyperlink", kImageHyperlink}, {"map", kImageMap}, {"canvas", kImageCanvas}};
                 EXPECT_TRUE(step[3].empty() || kinds.at(step[3]) == image.ImageType);
             }},
        };
    }

    // Runs the case's script.txt.
    void RunScript() {
        std::vector<Step> steps;
        std::istringstream script(ReadFileBytes(caseFolder / "script.txt"));
        for (std::string line; std::getline(script, line);) {
            if (const Step step(line); !step.words.empty() && !step[0].starts_with('#')) {
                steps.push_back(step);
            }
        }
        ASSERT_FALSE(steps.empty());
        Run(steps, Commands());
    }

    const std::filesystem::path caseFolder;
    const std::string opened = Document();
    QDialog* shown = nullptr;                 // the dialog the steps run in
    std::map<std::string, std::string> kept;  // documents by name
};

class SurfaceScripts : public ScriptedWindow, public ::testing::WithParamInterface<std::string> {
  protected:
    SurfaceScripts() : ScriptedWindow(kCases / GetParam()) {}
};

TEST_P(SurfaceScripts, LeaveWhatTheScriptSays) {
    RunScript();
}

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kCases)) {
        if (entry.is_directory()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Cases, SurfaceScripts, ::testing::ValuesIn(CaseNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// The scripts that make the pages the browser's test clicks through: it runs these tests by
// name with HTMLSIM_KEEP_PAGES naming a folder, and each script ends by copying its page's
// folder into a subfolder there named as its case.
const std::filesystem::path kBrowserCases = HTMLSIM_SOURCE_DIR "/tests/data/gui-browser-pages";

class EmptyPage : public ScriptedWindow {
  protected:
    EmptyPage() : ScriptedWindow(kBrowserCases / "inserted") {}
};
TEST_F(EmptyPage, AnInsertedPictureIsWrittenAsACanvasAtOnce) {
    RunScript();
}

class InsertedPictures : public ScriptedWindow {
  protected:
    InsertedPictures() : ScriptedWindow(kBrowserCases / "canvas-page") {}
};
TEST_F(InsertedPictures, APictureInsertedIntoACanvasPageBecomesAnImageMapAndNothingIsLost) {
    RunScript();
}

class ToolbarSimulation : public ScriptedWindow {
  protected:
    ToolbarSimulation() : ScriptedWindow(kBrowserCases / "toolbar") {}
};
TEST_F(ToolbarSimulation, TwoPagesAreMadeWithTheToolbarAlone) {
    RunScript();
}

}  // namespace
}  // namespace htmlsim::gui::testing
