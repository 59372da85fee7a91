#include "properties/frmProperties.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "CancelButton.h"
#include "QtControlStyle.h"
#include "QtText.h"
#include "SuggestingCombo.h"
#include "properties/ColorPaletteWidget.h"
#include "util/Text.h"

namespace htmlsim::gui {

namespace {

void AddEntries(QComboBox* list, const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) {
        list->addItem(ToQString(entry));
    }
}

}  // namespace

frmProperties::frmProperties(QWidget* parent)
    : QDialog(parent),
      mRowsLayout(new QGridLayout),
      mEditStyle(new QPushButton("-->", this)),
      mOK(new QPushButton("OK", this)) {
    mStyleFrame = MakeStyleFrame();
    setObjectName("frmProperties");
    setWindowTitle("Properties");
    mEditStyle->setObjectName("cmdEditStyle");
    mEditStyle->setFixedWidth(mEditStyle->fontMetrics().horizontalAdvance("-->") + 16);
    mEditStyle->hide();
    mOK->setObjectName("cmdOK");
    mOK->setDefault(true);

    // The rows and the style panel scroll where the screen is too small for them; the buttons
    // stay in sight.
    auto* contents = new QWidget;
    auto* rowsSide = new QVBoxLayout;
    rowsSide->addLayout(mRowsLayout);
    rowsSide->addStretch();
    auto* contentsLayout = new QHBoxLayout(contents);
    contentsLayout->setSizeConstraint(QLayout::SetFixedSize);
    contentsLayout->addLayout(rowsSide);
    contentsLayout->addWidget(mStyleFrame, 0, Qt::AlignTop);
    mStyleFrame->hide();
    mScroll = new QScrollArea(this);
    mScroll->setObjectName("scrProperties");
    mScroll->setFrameShape(QFrame::NoFrame);
    mScroll->setWidget(contents);
    contents->installEventFilter(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mOK);
    buttons->addWidget(CancelButton(*this));
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mScroll);
    layout->addLayout(buttons);

    connect(mEditStyle, &QPushButton::clicked, this, [this] {
        const bool opening = mEditStyle->text() == "-->";
        mStyleFrame->setVisible(opening);
        mEditStyle->setText(opening ? "<--" : "-->");
    });
    connect(mOK, &QPushButton::clicked, this, &QDialog::accept);
}

// The rows or the style panel came or went: the dialog takes their size, as far as the screen
// it is on has room.
bool frmProperties::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mScroll->widget() && event->type() == QEvent::Resize) {
        FitToScreen();
    }
    return QDialog::eventFilter(watched, event);
}

void frmProperties::FitToScreen() {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    // Room for the window's frame and title bar, which the dialog's own size leaves out.
    const QSize room = shown->availableGeometry().size() - QSize(32, 64);
    const QSize wanted = mScroll->widget()->size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize margins(layout()->contentsMargins().left() + layout()->contentsMargins().right(),
                        layout()->contentsMargins().top() + layout()->contentsMargins().bottom() +
                            layout()->spacing() + mOK->sizeHint().height());
    QSize scroll = wanted;
    // A scroll bar on one side takes room from the other.
    if (wanted.height() + margins.height() > room.height()) {
        scroll.rwidth() += bar;
    }
    if (wanted.width() + margins.width() > room.width()) {
        scroll.rheight() += bar;
    }
    mScroll->setMinimumSize(scroll.boundedTo(room - margins));
    setMaximumSize(room);
    resize((scroll + margins).boundedTo(room));
}

QGroupBox* frmProperties::MakeStyleFrame() {
    auto* frame = new QGroupBox("Style Properties", this);
    frame->setObjectName("fraStyle");
    auto* form = new QGridLayout;
    const std::array<const char*, kFontListCount> captions = {"font-family", "font-size",
                                                              "font-weight", "font-style"};
    const std::array<const char*, kFontListCount> names = {"cbofontfamily", "cboFontSize",
                                                           "cboFontWeight", "cboFontStyle"};
    for (int list = 0; list < kFontListCount; ++list) {
        auto* combo = new QComboBox(frame);
        combo->setObjectName(names[list]);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        OfferEntriesAsSuggestions(*combo);
        form->addWidget(new QLabel(captions[list], frame), 0, list);
        form->addWidget(combo, 1, list);
        mLists[list] = combo;
        connect(combo, &QComboBox::activated, this, [this, list, combo](int index) {
            PanelChanged(mPanel.ListChanged(static_cast<FontList>(list),
                                            FromQString(combo->itemText(index)), true));
        });
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, list](const QString& text) {
            PanelChanged(mPanel.ListChanged(static_cast<FontList>(list), FromQString(text), false));
        });
    }
    for (const QString& family : QFontDatabase::families()) {
        mLists[kFontFamily]->addItem(family);
    }
    AddEntries(mLists[kFontSize], StylePanel::FontSizes());
    AddEntries(mLists[kFontWeight], StylePanel::FontWeights());
    AddEntries(mLists[kFontStyle], StylePanel::FontStyles());

    mPalette = new ColorPaletteWidget(frame);
    connect(mPalette, &ColorPaletteWidget::ColorClicked, this,
            [this](size_t color) { PanelChanged(mPanel.ColorPicked(color)); });
    mSample = new QLineEdit("This is a font sample...", frame);
    mSample->setObjectName("txtFontSample");
    mSample->setFont(ToQFont(mPanel.SampleFont()));
    mRefusal = new QLabel(frame);
    mRefusal->setObjectName("lblStyleRefusal");
    mRefusal->setWordWrap(true);

    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(form);
    layout->addWidget(mPalette);
    layout->addWidget(mSample);
    layout->addWidget(mRefusal);
    return frame;
}

void frmProperties::RefreshForm(const std::vector<std::string>& names,
                                const std::vector<std::string>& values) {
    mNumberOfItems = static_cast<int16_t>(names.size());
    mStyleRow.reset();
    mEditStyle->hide();
    while (mRows.size() < names.size()) {
        AddRow();
    }
    for (size_t i = 0; i < mRows.size(); ++i) {
        const Row& row = mRows[i];
        const bool used = i < names.size();
        row.name->setVisible(used);
        row.value->setVisible(used);
        if (!used) {
            continue;
        }
        const std::string value = i < values.size() ? values[i] : std::string();
        row.name->setText(ToQString(names[i]));
        row.value->setText(ToQString(value));
        if (ToUpperAscii(names[i]) == "STYLE") {
            mRowsLayout->removeWidget(mEditStyle);
            mRowsLayout->addWidget(mEditStyle, static_cast<int>(2 * i + 1), 1);
            mEditStyle->show();
            mStyleRow = static_cast<int>(i);
            mPanel.Load(value);
            ShowStyleInLists();
        }
    }
}

void frmProperties::ShowModal() {
    std::vector<QString> shown;
    for (int i = 0; i < mNumberOfItems; ++i) {
        shown.push_back(mRows[static_cast<size_t>(i)].value->text());
    }
    if (exec() != QDialog::Accepted) {
        // Left with Cancel or Escape: the caller reads back the values as they were shown.
        for (int i = 0; i < mNumberOfItems; ++i) {
            mRows[static_cast<size_t>(i)].value->setText(shown[static_cast<size_t>(i)]);
        }
    }
}

std::string frmProperties::ItemName(int index) const {
    return FromQString(mRows.at(index).name->text());
}

std::string frmProperties::ItemValue(int index) const {
    return FromQString(mRows.at(index).value->text());
}

// A row is its name above its value; the style button stands to the right of the value.
void frmProperties::AddRow() {
    const int index = static_cast<int>(mRows.size());
    Row row{new QLabel(this), new QLineEdit(this)};
    row.name->setObjectName("lblName");
    row.value->setObjectName("txtValue");
    row.value->setMinimumWidth(300);
    mRowsLayout->addWidget(row.name, 2 * index, 0);
    mRowsLayout->addWidget(row.value, 2 * index + 1, 0);
    connect(row.value, &QLineEdit::textEdited, this, [this, index] { RowEdited(index); });
    mRows.push_back(row);
}

// Typing into the Style row shows the typed style in the panel; other rows just keep the text.
void frmProperties::RowEdited(int index) {
    if (mStyleRow == index) {
        mPanel.Load(FromQString(mRows[index].value->text()));
        ShowStyleInLists();
    }
}

// The panel's lists show the loaded style's texts with no entry picked.
void frmProperties::ShowStyleInLists() {
    for (int list = 0; list < kFontListCount; ++list) {
        mLists[list]->setCurrentIndex(-1);
        mLists[list]->setEditText(ToQString(mPanel.Lists()[list].Text));
    }
}

void frmProperties::PanelChanged(bool rebuilt) {
    mRefusal->setText(ToQString(mPanel.Refusal()));
    if (!rebuilt) {
        return;
    }
    if (mStyleRow) {
        mRows[*mStyleRow].value->setText(ToQString(mPanel.Style()));
    }
    mSample->setFont(ToQFont(mPanel.SampleFont()));
    QPalette palette = mSample->palette();
    palette.setColor(QPalette::Text, ToQColor(mPanel.SampleColor()));
    mSample->setPalette(palette);
}

}  // namespace htmlsim::gui
