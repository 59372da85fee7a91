#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <map>

#include "DesignSurface.h"
#include "FakeDialogs.h"
#include "QtTextMeasurer.h"
#include "TempFolder.h"
#include "controls/InputWidget.h"
#include "controls/PageControlViews.h"
#include "controls/PageControlWidget.h"
#include "document/SectionDocument.h"
#include "frmHTMLImage.h"
#include "surface/PageControls.h"

namespace htmlsim {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPointF at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Presses at `from` inside the widget and lets go after moving by `by`.
void Drag(QWidget* widget, QPointF from, QPointF by) {
    SendMouse(widget, QEvent::MouseButtonPress, Qt::LeftButton, from);
    SendMouse(widget, QEvent::MouseMove, Qt::LeftButton, from + by / 2);
    // The widget has moved under the pointer by the first half.
    SendMouse(widget, QEvent::MouseMove, Qt::LeftButton, from + by / 2);
    SendMouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton, from + by / 2);
}

class PageControlWidgetsTest : public ::testing::Test {
  protected:
    QtTextMeasurer measurer;
    testing::FakeDialogs dialogs;
    std::map<std::string, std::string> sections;
    PageControls controls{
        measurer, dialogs,
        [this](const std::string& name, const std::string& body) { sections[name] = body; }};
    QWidget surface;
    DocumentCodec codec;
    PageControlViews* views = new PageControlViews(controls, codec, &surface);

    void SetUp() override {
        surface.resize(800, 600);
        surface.show();
    }
    void TearDown() override { delete views; }
};

TEST_F(PageControlWidgetsTest, TheInputShowsTheMiniatureOfItsType) {
    controls.AddInput();
    auto* view = static_cast<InputWidget*>(views->InputView(0));
    Input& input = controls.Input1[0];
    EXPECT_EQ(view->Text1()->geometry(), QRect(7, 7, 120, input.Layout().ChildBounds.Height));
    EXPECT_EQ(view->width(), 134);

    input.SetIsRefreshing(true);
    input.SetType2("PASSWORD");
    input.SetIsRefreshing(false);
    input.SetValue("abcde");
    EXPECT_EQ(view->Text1()->displayText(), "*****");

    QTest::keyClicks(view->Text1(), "f");
    EXPECT_EQ(input.Value(), "abcdef");
    EXPECT_NE(sections["Inputs"].find("value='abcdef'"), std::string::npos);

    input.SetType2("checkbox");
    input.SetCaption("Remember");
    input.SetValue("on");
    EXPECT_FALSE(view->Text1()->isVisible());
    EXPECT_EQ(view->CaptionLabel()->text(), "Remember");
    view->Check1()->click();
    EXPECT_TRUE(input.Checked());
    EXPECT_NE(sections["Inputs"].find("Checked='Checked'"), std::string::npos);
}

TEST(EditorPageControls, APagesControlsShowOnTheSurfaceAndADragRewritesTheirSection) {
    testing::TempFolder folder;
    testing::FakeDialogs dialogs;
    gui::frmHTMLImage window(dialogs, folder.File("program"));
    window.show();
    testing::WriteFileBytes(folder.File("page.html"),
                            "<HTML>\r\n<BODY>\r\n<!-- Section: Labels -->\r\n"
                            "<Label style='position:absolute; left:30px; top:40px'>Hi</Label>\r\n"
                            "<!-- Section End -->\r\n</BODY>\r\n</HTML>\r\n");
    window.Start(folder.File("page.html"));
    ASSERT_EQ(window.Controls().LabelCount(), 1);
    auto* label = window.DesignTab()->pctPallet()->findChild<QWidget*>("Label1_0");
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->pos(), QPoint(30, 40));

    Drag(label, QPointF(3, 3), QPointF(20, 10));
    EXPECT_EQ(GetSectionText(window.GetSession().DocumentText(), "Labels"),
              "<Label style='position:absolute; left:50px; top:50px'>Hi</Label>");
    EXPECT_TRUE(window.GetSession().ChangedSinceSaved());

    // A click selects the label, saying nothing; Delete takes its line out of the section.
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::keyClick(label, Qt::Key_Delete);
    QCoreApplication::processEvents();
    EXPECT_EQ(GetSectionText(window.GetSession().DocumentText(), "Labels"), "");
    EXPECT_EQ(window.Controls().LabelCount(), 0);

    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(QtTextMeasurer, MeasuresWithTheControlsFont) {
    QtTextMeasurer measurer;
    TextFont font;
    const TextExtent regular = measurer.Measure("WWWW", font);
    EXPECT_GT(regular.Width, 30);
    EXPECT_GT(regular.Height, 12);
    font.Bold = true;
    EXPECT_GT(measurer.Measure("WWWW", font).Width, regular.Width);
    font.Size = 24;
    EXPECT_GT(measurer.Measure("WWWW", font).Height, regular.Height * 1.5);
    EXPECT_EQ(measurer.Measure("", font).Width, 0);
}

}  // namespace
}  // namespace htmlsim
