#include <gtest/gtest.h>

#include <QTabWidget>
#include <QTest>

#include "../OverlappingPage.h"
#include "DesignSurface.h"
#include "FakeDialogs.h"
#include "TempFolder.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui {
namespace {

class ImageDesignTab : public ::testing::Test {
  protected:
    ImageDesignTab() : window(dialogs, folder.File("program")) {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QImage Shown() const { return window.DesignTab()->pctPallet()->grab().toImage(); }

    testing::TempFolder folder;
    testing::FakeDialogs dialogs;
    frmHTMLImage window;
};

TEST_F(ImageDesignTab, ShowsTheOpenedPageAndFollowsEditsOfItsText) {
    const std::string page = testing::WriteOverlappingPage(folder);
    window.Start(page);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
    EXPECT_EQ(window.SSTab1()->currentIndex(), kImageDesignTab);
    testing::ExpectOverlappingPage(Shown());
    EXPECT_EQ(window.DesignTab()->Canvas().Outlines().size(), 2u);

    // Without the green image the red one shows where they overlapped.
    window.SSTab1()->setCurrentIndex(kDocumentEditorTab);
    std::string text = window.GetSession().DocumentText();
    const size_t green = text.find("<IMG SRC='green.png'");
    ASSERT_NE(green, std::string::npos);
    text.erase(green, text.find("\r\n", green) + 2 - green);
    window.GetSession().SetDocumentText(text);
    window.SSTab1()->setCurrentIndex(kImageDesignTab);
    EXPECT_EQ(Shown().pixel(99, 79), qRgb(255, 0, 0));
    EXPECT_EQ(Shown().pixel(110, 60), qRgb(255, 255, 255));
    EXPECT_EQ(window.DesignTab()->Canvas().Outlines().size(), 2u);
}

TEST_F(ImageDesignTab, OpeningAnotherPageClearsTheSurfaceAndScrollsHome) {
    window.Start(testing::WriteOverlappingPage(folder));
    window.DesignTab()->HScroll1()->setValue(100);
    window.DesignTab()->VScroll1()->setValue(60);
    ASSERT_NE(window.DesignTab()->pctPallet()->pos(), QPoint(0, 0));

    testing::WriteFileBytes(folder.File("empty.html"), "<HTML>\r\n</HTML>\r\n");
    window.GetSession().OpenDocument(folder.File("empty.html"));
    window.SSTab1()->setCurrentIndex(kImageDesignTab);
    EXPECT_EQ(window.DesignTab()->pctPallet()->pos(), QPoint(0, 0));
    EXPECT_EQ(Shown().pixel(5, 5), qRgb(255, 255, 255));
    for (const auto& [index, outline] : window.DesignTab()->Canvas().Outlines()) {
        EXPECT_FALSE(outline.visible) << index;
    }
}

}  // namespace
}  // namespace htmlsim::gui
