#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

#include "controls/PropertiesDialog.h"
#include "controls/StylePanel.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace htmlsim::gui {

class ColorPaletteWidget;

// "Properties": one row per property of an anchor, an input or a label, a name above an editable
// value, and beside the Style row a button that opens the style panel, where font lists and a
// palette of the CSS colours rewrite the Style row at every pick. The caller reads every row
// back when the dialog closes; Cancel and Escape put the rows back as they were shown first.
class frmProperties : public QDialog, public PropertiesDialog {
    Q_OBJECT
  public:
    explicit frmProperties(QWidget* parent = nullptr);

    // Shows the rows, reusing those of an earlier call; rows beyond the new list are hidden.
    void RefreshForm(const std::vector<std::string>& names,
                     const std::vector<std::string>& values) override;
    void ShowModal() override;
    int16_t NumberOfItems() const override { return mNumberOfItems; }
    std::string ItemName(int index) const override;
    std::string ItemValue(int index) const override;

    QLabel* lblName(int index) const { return mRows.at(index).name; }
    QLineEdit* txtValue(int index) const { return mRows.at(index).value; }
    QPushButton* cmdEditStyle() const { return mEditStyle; }
    QPushButton* cmdOK() const { return mOK; }
    QGroupBox* fraStyle() const { return mStyleFrame; }
    QComboBox* cbofontfamily() const { return mLists[kFontFamily]; }
    QComboBox* cboFontSize() const { return mLists[kFontSize]; }
    QComboBox* cboFontWeight() const { return mLists[kFontWeight]; }
    QComboBox* cboFontStyle() const { return mLists[kFontStyle]; }
    ColorPaletteWidget* pctColor() const { return mPalette; }
    QLineEdit* txtFontSample() const { return mSample; }
    QLabel* lblStyleRefusal() const { return mRefusal; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Row {
        QLabel* name;
        QLineEdit* value;
    };

    QGroupBox* MakeStyleFrame();
    void FitToScreen();
    void AddRow();
    void RowEdited(int index);
    void ShowStyleInLists();
    void PanelChanged(bool rebuilt);

    std::vector<Row> mRows;
    int16_t mNumberOfItems = 0;
    std::optional<int> mStyleRow;
    StylePanel mPanel;
    QGridLayout* mRowsLayout;
    QPushButton* mEditStyle;
    QPushButton* mOK;
    QScrollArea* mScroll = nullptr;
    QGroupBox* mStyleFrame = nullptr;
    std::array<QComboBox*, kFontListCount> mLists{};
    ColorPaletteWidget* mPalette = nullptr;
    QLineEdit* mSample = nullptr;
    QLabel* mRefusal = nullptr;
};

}  // namespace htmlsim::gui
