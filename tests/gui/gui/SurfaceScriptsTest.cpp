#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "DesignedPageWindow.h"
#include "properties/frmProperties.h"

namespace htmlsim::gui::testing {
namespace {

using htmlsim::testing::ReadFileBytes;

// Gestures on the window's real surface and what they must leave, one case a folder here:
// script.txt, a step a line (the commands of SurfaceScripts::Commands; `#` starts a comment),
// and page.html when the page is not DesignedPageWindow's. Points on the surface read "x,y".
const std::filesystem::path kCases = HTMLSIM_SOURCE_DIR "/tests/data/gui-surface-scripts";

// A line of a script: its words, and the text after some of them.
struct Step {
    explicit Step(const std::string& line) : text(line) {
        std::istringstream in(line);
        for (std::string word; in >> word;) {
            words.push_back(word);
        }
    }
    std::string operator[](size_t index) const {
        return index < words.size() ? words[index] : std::string();
    }
    // The text after the first `count` words.
    std::string Rest(size_t count) const {
        size_t at = 0;
        for (size_t word = 0; word < count; ++word) {
            at = text.find(words.at(word), at) + words.at(word).size();
        }
        return text.substr(std::min(text.find_first_not_of(' ', at), text.size()));
    }
    QPoint Point(size_t index) const {
        int x = -1, y = -1;
        std::sscanf((*this)[index].c_str(), "%d,%d", &x, &y);
        return {x, y};
    }
    std::vector<QPoint> Points(size_t from) const {
        std::vector<QPoint> points;
        for (size_t index = from; index < words.size(); ++index) {
            points.push_back(Point(index));
        }
        return points;
    }
    int Number(size_t index) const { return std::stoi((*this)[index]); }

    std::string text;
    std::vector<std::string> words;
};

class SurfaceScripts : public DesignedPageWindow,
                       public ::testing::WithParamInterface<std::string> {
  protected:
    SurfaceScripts() : DesignedPageWindow(PageOf(GetParam())) {}

    // The case's page, opened with the settings of its settings.txt ("key value" a line) as a
    // previous run left them.
    static std::string PageOf(const std::string& name) {
        std::istringstream settings(CaseFile(name, "settings.txt"));
        for (std::string key, value; settings >> key >> value;) {
            QSettings().setValue(QString::fromStdString(key), QString::fromStdString(value));
        }
        const std::string page = CaseFile(name, "page.html");
        return page.empty() ? htmlsim::testing::ThreeImagesPage() : page;
    }
    static std::string CaseFile(const std::string& name, const std::string& file) {
        const std::filesystem::path path = kCases / name / file;
        return std::filesystem::exists(path) ? ReadFileBytes(path) : "";
    }
    ~SurfaceScripts() override { QSettings().clear(); }

    // The text after `count` words, or the case's file it names after an "@".
    std::string Text(const Step& step, size_t count) {
        const std::string text = step.Rest(count);
        return text.starts_with('@') ? CaseFile(GetParam(), text.substr(1)) : text;
    }
    const ImageSurface& Canvas() { return window.DesignTab()->Canvas(); }
    // An outline's index: a number, "current" (the area worked on) or "areaN" (the page's N-th).
    int OutlineIndex(const std::string& name) {
        return name == "current"          ? Design().CurrentClickableArea->Index
               : name.starts_with("area") ? Design().Areas.Item(std::stoi(name.substr(4)))->Index
                                          : std::stoi(name);
    }
    // Whether the surface shows the colour named (shot, highlight or Qt's name).
    bool Painted(const QPoint& at, const std::string& color) {
        return Pallet()->grab().toImage().pixel(at) ==
               (color == "shot"        ? kShotColor
                : color == "highlight" ? ImageSurface::kHighlightColor
                                       : QColor(QString::fromStdString(color)).rgb());
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
    // Has the next dialog's box (the Properties' row of that number) retyped, then pushes OK.
    void RetypeInNextDialog(const std::string& box, const std::string& text) {
        WhenDialogOpens(
            [=](QDialog& dialog) {
                Retype(std::isdigit(box[0]) != 0
                           ? static_cast<frmProperties&>(dialog).txtValue(std::stoi(box))
                           : Find<QLineEdit>(dialog, box.c_str()),
                       QString::fromStdString(text));
            },
            [](QDialog& dialog) { PushButton(dialog, "cmdOK"); });
    }

    using Command = std::function<void(const Step&)>;
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
            {"retype", [this](const Step& step) { RetypeInNextDialog(step[1], step.Rest(2)); }},
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
            {"document", [this](const Step& step) { EXPECT_EQ(Document(), Text(step, 1)); }},
            {"unchanged",  // the section named, or the whole document, as it was opened
             [this](const Step& step) {
                 EXPECT_EQ(step[1].empty() ? Document() : Section(step[1]),
                           step[1].empty() ? opened : GetSectionText(opened, step[1]));
             }},
            // What the window shows.
            {"outline",  // of an area: x,y,width,height
             [this](const Step& step) {
                 QRect rect;
                 std::sscanf(step[2].c_str(), "%d,%d,%d,%d", &rect.rx(), &rect.ry(), &rect.rwidth(),
                             &rect.rheight());
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
            {"selection",  // how the status bar's description ends; none when nothing follows
             [this](const Step& step) {
                 QCoreApplication::processEvents();  // the last key's release is handled
                 const std::string end = step.Rest(1);
                 EXPECT_TRUE(end.empty() ? Selection().empty() : Selection().ends_with(end))
                     << Selection();
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
            {"image",  // the n-th image's left and top
             [this](const Step& step) {
                 const auto& image = Design().Image(step.Number(1));
                 EXPECT_EQ(QPoint(image.Left, image.Top), step.Point(2));
             }},
        };
    }

    const std::string opened = Document();
};

TEST_P(SurfaceScripts, LeaveWhatTheScriptSays) {
    const std::map<std::string, Command> commands = Commands();
    std::istringstream script(ReadFileBytes(kCases / GetParam() / "script.txt"));
    for (std::string line; std::getline(script, line);) {
        const Step step(line);
        if (step.words.empty() || step[0].starts_with('#')) {
            continue;
        }
        SCOPED_TRACE(line);
        ASSERT_TRUE(commands.contains(step[0])) << step[0];
        commands.at(step[0])(step);
    }
}

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kCases)) {
        names.push_back(entry.path().filename().string());
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

}  // namespace
}  // namespace htmlsim::gui::testing
