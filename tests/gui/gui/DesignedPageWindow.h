#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>

#include "../Pictures.h"
#include "DesignSurface.h"
#include "FakeDialogs.h"
#include "PageDocument.h"
#include "TempFolder.h"
#include "document/SectionDocument.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui::testing {

using htmlsim::testing::FakeDialogs;
using htmlsim::testing::TempFolder;

// The editor's window on a page of three images, its clock standing still until the test moves
// it and its pop-up menus answered by the test: 1 an image map "Map1" at 100,50 (200 x 150)
// with one area at 110,60 - 160,90 linking to next.html; 2 a hyperlink image at 400,50
// (100 x 100) linking to linked.html; 3 a canvas at 100,300 (200 x 100) with a left-click area
// at 110,310 - 140,330 and a right-click area at 150,310 - 180,330.
class DesignedPageWindow : public ::testing::Test {
  protected:
    static constexpr QRgb kShotColor = 0xFF3060A0;

    DesignedPageWindow() : DesignedPageWindow(ThreeImagesPage()) {}

    // The window on another page, whose pictures are "shot.png".
    explicit DesignedPageWindow(const std::string& page)
        : window(dialogs, folder.File("program"), nullptr, [this] { return now; }) {
        EXPECT_TRUE(htmlsim::testing::WritePicture(folder.File("shot.png"), 200, 150, kShotColor));
        htmlsim::testing::WriteFileBytes(folder.File("index.html"), page);
        window.Start(folder.File("index.html"));
        window.resize(900, 700);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.Menus().SetChooser([this](QMenu& menu, const QPoint&) {
            shownMenu = menu.objectName();
            items.clear();
            for (QAction* action : menu.actions()) {
                if (!action->isSeparator()) {
                    items[action->objectName()] = {action->isVisible(), action->isEnabled()};
                }
            }
            return answer;
        });
    }

    static std::string ThreeImagesPage() {
        return htmlsim::testing::DesignDocument(
            "<IMG SRC='shot.png' Name='Map1' BORDER='0' Width='200' Height='150' "
            "STYLE='position:absolute; left:100px; top:50px' UseMap='#Map1'/>\r\n"
            "<map name='Map1'>\r\n"
            "<AREA SHAPE='rect' COORDS='10,10,60,40' Title='' HREF='next.html'/> \r\n"
            "</map>\r\n"
            "<a HREF='linked.html'><IMG SRC='shot.png' Name='Link1' TITLE='' BORDER='0' "
            "Width='100' Height='100' STYLE='position:absolute; left:400px; top:50px'/></a>\r\n"
            "<canvas id='Canvas_3' SRC='shot.png' width='200' Height='100' "
            "style='position:absolute; left:100px; top:300px'></canvas>\r\n",
            "var Areas = new Array();\r\nmScale = .7;\r\n"
            "Areas.push('10,10,40,30,left.html,left');\r\n"
            "Areas.push('50,10,80,30,right.html,right');\r\n");
    }

    QWidget* Pallet() { return window.DesignTab()->pctPallet(); }
    Session& GetSession() { return window.GetSession(); }
    PageDesign& Design() { return window.GetSession().Design(); }
    std::string Section(const std::string& name) {
        return GetSectionText(window.GetSession().DocumentText(), name);
    }

    // A right click that chooses `item` from the menu it opens.
    void Choose(const QPoint& at, const QString& item) {
        answer = item;
        QTest::mouseClick(Pallet(), Qt::RightButton, {}, at);
        answer.clear();
    }
    // A left press, a move and a release `seconds` later.
    void LeftDrag(const QPoint& from, const QPoint& to, double seconds) {
        QTest::mousePress(Pallet(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Pallet(), to);
        now += seconds;
        QTest::mouseRelease(Pallet(), Qt::LeftButton, {}, to);
    }

    // Runs `script` on the next modal dialog once it is open, then closes it with `close`. The
    // dialog is looked for until it shows, so the script runs inside the dialog's own loop.
    void WhenDialogOpens(
        std::function<void(QDialog&)> script,
        std::function<void(QDialog&)> close = [](QDialog& dialog) { dialog.accept(); }) {
        auto* poll = new QTimer(&window);
        QObject::connect(
            poll, &QTimer::timeout, poll,
            [poll, script = std::move(script), close = std::move(close)] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    poll->stop();
                    poll->deleteLater();
                    script(*dialog);
                    close(*dialog);
                }
            });
        poll->start(5);
    }
    template <typename Child>
    static Child* Find(QObject& parent, const char* name) {
        auto* child = parent.findChild<Child*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    TempFolder folder;
    FakeDialogs dialogs;
    double now = 1000.0;
    frmHTMLImage window;
    QString answer;
    QString shownMenu;
    std::map<QString, std::pair<bool, bool>> items;  // visible, enabled
};

}  // namespace htmlsim::gui::testing
