#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "../EditorWindow.h"
#include "../Pictures.h"

namespace htmlsim::gui::testing {

using htmlsim::testing::FakeDialogs;

// Replaces the text of a box as the user does: all selected, then typed over, a line at a time.
template <typename Box>
void Retype(Box* box, const QString& text) {
    ASSERT_NE(box, nullptr);
    box->selectAll();
    const QStringList lines = text.split('\n');
    for (qsizetype at = 0; at < lines.size(); ++at) {
        if (at > 0) {
            QTest::keyClick(box, Qt::Key_Return);
        }
        QTest::keyClicks(box, lines[at]);
    }
}

// The editor's window on a page saved as index.html, whose pictures are "shot.png"; a second
// picture "other.png" (60 x 40) lies beside it.
class DesignedPageWindow : public htmlsim::testing::EditorWindow {
  protected:
    static constexpr QRgb kShotColor = 0xFF3060A0;

    explicit DesignedPageWindow(const std::string& page) : EditorWindow(ShownLater()) {
        EXPECT_TRUE(htmlsim::testing::WritePicture(folder.File("shot.png"), 200, 150, kShotColor));
        EXPECT_TRUE(htmlsim::testing::WritePicture(folder.File("other.png"), 60, 40, Qt::green));
        Open("index.html", page);
        window.resize(900, 700);
        Show();
    }

    Session& GetSession() { return window.GetSession(); }
    PageDesign& Design() { return window.GetSession().Design(); }
    // Passes when the named section holds `text`; a failure shows the section.
    ::testing::AssertionResult SectionHolds(const std::string& name, const std::string& text) {
        const std::string section = Section(name);
        if (section.find(text) != std::string::npos) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << name << " lacks " << text << ":\n" << section;
    }
    std::string Selection() {
        return window.findChild<QLabel*>("lblSelection")->text().toStdString();
    }

    // Triggers the command of a page control's own menu named so (object name or caption);
    // fails when it is missing or disabled.
    void ControlCommand(const char* control, const QString& command) {
        QWidget* widget = Pallet()->findChild<QWidget*>(control);
        ASSERT_NE(widget, nullptr) << control;
        for (QAction* action : widget->findChildren<QAction*>()) {
            if (action->objectName() == command || action->text() == command) {
                ASSERT_TRUE(action->isEnabled()) << control << ' ' << command.toStdString();
                action->trigger();
                return;
            }
        }
        FAIL() << control << " has no command " << command.toStdString();
    }
    // A left press, a move and a release `seconds` later.
    void LeftDrag(const QPoint& from, const QPoint& to, double seconds) {
        QTest::mousePress(Pallet(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Pallet(), to);
        now += seconds;
        QTest::mouseRelease(Pallet(), Qt::LeftButton, {}, to);
    }

    // Runs `open`, then `script` and `close` on the dialog it opened; fails when none opened.
    // The dialog is looked for until it shows, so the script runs inside the dialog's own loop.
    void InDialog(
        const std::function<void()>& open, std::function<void(QDialog&)> script,
        std::function<void(QDialog&)> close = [](QDialog& dialog) { dialog.accept(); }) {
        auto ran = std::make_shared<bool>(false);  // a dialog opening late finds it still there
        auto* poll = new QTimer(&window);
        QObject::connect(
            poll, &QTimer::timeout, poll,
            [poll, ran, script = std::move(script), close = std::move(close)] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    poll->stop();
                    poll->deleteLater();
                    script(*dialog);
                    *ran = true;
                    close(*dialog);
                }
            });
        poll->start(5);
        open();
        EXPECT_TRUE(*ran) << "no dialog opened";
    }
    template <typename Child>
    static Child* Find(QObject& parent, const char* name) {
        auto* child = parent.findChild<Child*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static void PushButton(QDialog& dialog, const char* name) {
        QTest::mouseClick(Find<QPushButton>(dialog, name), Qt::LeftButton);
    }
};

}  // namespace htmlsim::gui::testing
