#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "../Pictures.h"
#include "FakeDialogs.h"
#include "QtTextMeasurer.h"
#include "controls/InputWidget.h"
#include "controls/PageControlViews.h"
#include "controls/PageControlWidget.h"
#include "properties/ColorPaletteWidget.h"
#include "properties/frmProperties.h"
#include "surface/PageControls.h"

namespace htmlsim {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPointF at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The page's controls shown on a surface, each section they write kept by name.
struct ControlsOnASurface {
    ControlsOnASurface() {
        surface.resize(800, 600);
        surface.show();
    }

    QtTextMeasurer measurer;
    testing::FakeDialogs dialogs;
    std::map<std::string, std::string> sections;
    PageControls controls{
        measurer, dialogs,
        [this](const std::string& name, const std::string& body) { sections[name] = body; }};
    QWidget surface;
    DocumentCodec codec;
    std::unique_ptr<PageControlViews> views =
        std::make_unique<PageControlViews>(controls, codec, &surface);
};

class PageControlWidgetsTest : public ::testing::Test, protected ControlsOnASurface {};

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

using testing::HasColor;

constexpr const char* kPositionOnly = "position:absolute; left:0px; top:0px";

size_t ColorIndex(const std::string& name) {
    const auto& rows = CssColors().Rows();
    const auto named = [&name](const auto& row) { return row.Name == name; };
    return static_cast<size_t>(std::find_if(rows.begin(), rows.end(), named) - rows.begin());
}

// A left click on the palette at a point between pixels, as a mouse may report it.
void ClickPalette(gui::frmProperties& form, QPointF at) {
    SendMouse(form.pctColor(), QEvent::MouseButtonPress, Qt::LeftButton, at);
}

// A point inside the named colour's cell, `down` pixels below its top edge.
QPointF PaletteAt(const gui::frmProperties& form, const std::string& name, double down = 2) {
    const PaletteCell& cell = form.pctColor()->Layout().Cells().at(ColorIndex(name));
    return QPointF(cell.X + 2, cell.Y + down);
}

TEST(frmPropertiesTest, RowsAreReusedAndThePanelRewritesTheStyleRowAtEveryPick) {
    gui::frmProperties form;
    form.RefreshForm({"Name", "HREF", "Target", "Style", "Value"},
                     {"n", "a.htm", "", kPositionOnly, "Go"});
    form.show();
    EXPECT_EQ(form.NumberOfItems(), 5);
    QLineEdit* style = form.txtValue(3);
    QTest::mouseClick(form.cmdEditStyle(), Qt::LeftButton);
    EXPECT_TRUE(form.fraStyle()->isVisible());

    emit form.cboFontWeight()->activated(1);
    EXPECT_EQ(style->text().toStdString(), std::string(kPositionOnly) + "; font-weight:Bold");
    EXPECT_TRUE(form.txtFontSample()->font().bold());

    ClickPalette(form, PaletteAt(form, "AliceBlue"));
    EXPECT_EQ(style->text().toStdString(),
              std::string(kPositionOnly) + "; font-weight:Bold; color:AliceBlue");
    EXPECT_EQ(form.txtFontSample()->palette().color(QPalette::Text), QColor(240, 248, 255));
    form.RefreshForm({"A", "B"}, {"1", "2"});
    EXPECT_EQ(form.NumberOfItems(), 2);
    EXPECT_EQ(form.findChildren<QLineEdit*>("txtValue").size(), 5);
    EXPECT_EQ(form.txtValue(3), style);
    EXPECT_FALSE(style->isVisible());
    EXPECT_FALSE(form.cmdEditStyle()->isVisible());
}

// The lightest and the darkest lightness of the pixels of a colour's cell on the palette.
std::pair<int, int> LightnessRange(const gui::frmProperties& form, const std::string& name) {
    gui::ColorPaletteWidget& palette = *form.pctColor();
    const PaletteCell& cell = palette.Layout().Cells().at(ColorIndex(name));
    const QImage shown = palette
                             .grab(QRect(static_cast<int>(cell.X) + 1, static_cast<int>(cell.Y) + 1,
                                         static_cast<int>(palette.Layout().ColumnWidth()) - 2,
                                         static_cast<int>(palette.Layout().RowHeight()) - 2))
                             .toImage();
    int lightest = 0;
    int darkest = 255;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const int lightness = QColor(shown.pixel(x, y)).lightness();
            lightest = std::max(lightest, lightness);
            darkest = std::min(darkest, lightness);
        }
    }
    return {lightest, darkest};
}

TEST(frmPropertiesTest, ColourNamesAreReadableOnDarkAndLightColours) {
    gui::frmProperties form;
    form.RefreshForm({"Style"}, {kPositionOnly});
    form.show();
    QTest::mouseClick(form.cmdEditStyle(), Qt::LeftButton);
    for (const char* dark : {"Black", "Navy", "DarkSlateGray"}) {
        EXPECT_GT(LightnessRange(form, dark).first, 190) << dark;  // light letters
    }
    for (const char* light : {"White", "Yellow", "LightGray"}) {
        EXPECT_LT(LightnessRange(form, light).second, 70) << light;  // dark letters
    }
}

TEST(frmPropertiesTest, TheDialogWithItsStylePanelNeverGrowsPastTheScreen) {
    gui::frmProperties form;
    std::vector<std::string> names;
    for (int row = 0; row < 10; ++row) {
        names.push_back(row == 5 ? "Style" : "Row" + std::to_string(row));
    }
    form.RefreshForm(names, std::vector<std::string>(names.size(), kPositionOnly));
    form.show();
    QTest::mouseClick(form.cmdEditStyle(), Qt::LeftButton);
    QCoreApplication::processEvents();
    const QRect room = form.screen()->availableGeometry();
    EXPECT_LE(form.width(), room.width());
    EXPECT_LE(form.height(), room.height());
    // The buttons stay in sight; the rows and the panel scroll.
    EXPECT_TRUE(form.rect().contains(form.cmdOK()->geometry()));
    auto* scroll = form.findChild<QScrollArea*>("scrProperties");
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->widget()->height() > scroll->viewport()->height() ||
                scroll->widget()->width() > scroll->viewport()->width())
        << "the screen of " << room.width() << " x " << room.height()
        << " should be too small for all of it";
    EXPECT_TRUE(form.pctColor()->isVisible());
}

// The real dialog, answered by a script in place of the user instead of a modal loop.
class ScriptedProperties : public gui::frmProperties {
  public:
    std::function<void(gui::frmProperties&)> user;
    void ShowModal() override { user(*this); }
};

TEST(frmPropertiesTest, TheAnchorMenuOpensTheDialogAndTheSectionAndSurfaceFollow) {
    ControlsOnASurface page;
    PageControls& controls = page.controls;
    PageControlViews& views = *page.views;
    ScriptedProperties form;
    views.SetPropertiesDialog(&form);
    controls.AddAnchor();
    const std::string style = controls.Anchor1[0].Style();

    int changes = 0;
    const auto announced = controls.Anchor1.ChangeHasBeenMade;
    controls.Anchor1.ChangeHasBeenMade = [&](int index) {
        ++changes;
        announced(index);
    };
    form.user = [](gui::frmProperties& shown) {
        QTest::mouseClick(shown.cmdEditStyle(), Qt::LeftButton);
        emit shown.cboFontWeight()->activated(1);
        ClickPalette(shown, PaletteAt(shown, "Red"));
        shown.txtValue(4)->setText("Next");
    };
    PageControlWidget* view = views.AnchorView(0);
    QAction* properties = view->PopupMenu()->findChild<QAction*>("mnuProperties");
    ASSERT_NE(properties, nullptr);
    EXPECT_TRUE(properties->isEnabled());
    properties->trigger();

    EXPECT_EQ(changes, 1);
    EXPECT_EQ(page.sections["Anchors"],
              "<a style='" + style + "; font-weight:Bold; color:Red'>Next</a>\r\n");
    EXPECT_TRUE(HasColor(view->grab().toImage(), qRgb(255, 0, 0)));

    views.SetPropertiesDialog(nullptr);
    EXPECT_FALSE(properties->isEnabled());
}

}  // namespace
}  // namespace htmlsim
