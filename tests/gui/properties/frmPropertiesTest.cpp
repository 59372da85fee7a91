#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
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

#include "../Pictures.h"
#include "FakeDialogs.h"
#include "QtTextMeasurer.h"
#include "controls/PageControlViews.h"
#include "controls/PageControlWidget.h"
#include "properties/ColorPaletteWidget.h"
#include "properties/frmProperties.h"
#include "surface/PageControls.h"

namespace htmlsim {
namespace {

using testing::HasColor;

constexpr const char* kPositionOnly = "position:absolute; left:0px; top:0px";

size_t ColorIndex(const std::string& name) {
    const auto& rows = CssColors().Rows();
    size_t index = 0;
    while (index < rows.size() && rows[index].Name != name) {
        ++index;
    }
    return index;
}

// A left click on the palette at a point between pixels, as a mouse may report it.
void ClickPalette(gui::frmProperties& form, QPointF at) {
    QWidget* palette = form.pctColor();
    QMouseEvent press(QEvent::MouseButtonPress, at, palette->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(palette, &press);
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
    QtTextMeasurer measurer;
    testing::FakeDialogs dialogs;
    std::map<std::string, std::string> sections;
    PageControls controls(measurer, dialogs, [&](const std::string& name, const std::string& body) {
        sections[name] = body;
    });
    QWidget surface;
    surface.resize(600, 400);
    surface.show();
    const DocumentCodec codec;
    PageControlViews views(controls, codec, &surface);
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
    EXPECT_EQ(sections["Anchors"],
              "<a style='" + style + "; font-weight:Bold; color:Red'>Next</a>\r\n");
    EXPECT_TRUE(HasColor(view->grab().toImage(), qRgb(255, 0, 0)));

    views.SetPropertiesDialog(nullptr);
    EXPECT_FALSE(properties->isEnabled());
}

}  // namespace
}  // namespace htmlsim
