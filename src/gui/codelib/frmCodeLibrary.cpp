#include "codelib/frmCodeLibrary.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "QtDialogs.h"
#include "QtText.h"
#include "codelib/DataFolder.h"
#include "codelib/LineBreaks.h"
#include "codelib/SnippetDate.h"
#include "codelib/SnippetViewer.h"
#include "util/Text.h"

namespace htmlsim::gui {

namespace {

constexpr int kPageWidth = 680;
constexpr int kFrameGap = 6;
constexpr int kFrame1Height = 320;
constexpr int kFrame2Height = 490;
constexpr int kViewerMargin = 4;  // room kept beside the widest line and below the last
constexpr double kCollapsedShare = 0.07;
constexpr int kAnimationSteps = 10;
constexpr int kEventsPerStep = 15;
const char* const kTag = "Tag";

// The hourglass while a list is filled.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// Sets the busy flag for a scope, so that the change events of controls the window fills
// itself do nothing.
class BusyScope {
  public:
    explicit BusyScope(bool& busy) : mBusy(busy), mWas(busy) { mBusy = true; }
    ~BusyScope() { mBusy = mWas; }

  private:
    bool& mBusy;
    bool mWas;
};

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* LabelAt(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    return label;
}

int ItemIndexWithData(QComboBox* box, int64_t data) {
    return box->findData(QVariant::fromValue<qlonglong>(data));
}

}  // namespace

frmCodeLibrary::frmCodeLibrary(Dialogs& dialogs, const std::filesystem::path& dataFolder,
                               QWidget* parent)
    : QDialog(parent), mDialogs(dialogs), mLibrary(dialogs, dataFolder) {
    setObjectName(QStringLiteral("frmCodeLibrary"));
    setWindowTitle(QStringLiteral("Code Library"));
    setFixedSize(kPageWidth + 20, 600);
    SSTab1 = Named(new QTabWidget(this), "SSTab1");
    SSTab1->setGeometry(6, 6, kPageWidth + 8, 588);
    auto* search = new QWidget;
    auto* modify = new QWidget;
    SSTab1->addTab(search, QStringLiteral("Search"));
    SSTab1->addTab(modify, QStringLiteral("Modify"));
    BuildSearchTab(search);
    BuildModifyTab(modify);
    Connect();

    // Form_Load: the frames keep their full heights; the viewer's frame starts folded away.
    Frame1->setProperty(kTag, Frame1->height());
    Frame2->setProperty(kTag, Frame2->height());
    SetFrameHeight(Frame2, static_cast<int>(std::lround(kFrame2Height * kCollapsedShare)));
    Frame2->hide();

    mLibrary.CreateLibraryTables();
    mLibrary.OpenLibraryQueries();
    FillFilterLists();
    FillProcedureList();
}

frmCodeLibrary::~frmCodeLibrary() {
    mLibrary.Close();
}

void frmCodeLibrary::ShowModal(QWidget* parent) {
    QtDialogs dialogs;
    frmCodeLibrary window(dialogs, ResolveDataFolder(ProgramFolder()), parent);
    dialogs.SetOwner(&window);
    window.exec();
}

void frmCodeLibrary::BuildSearchTab(QWidget* page) {
    Frame1 = Named(new QGroupBox(QStringLiteral("Procedure Index"), page), "Frame1");
    Frame1->setGeometry(8, 8, kPageWidth - 16, kFrame1Height);
    LabelAt(Frame1, QStringLiteral("Author"), 12, 28);
    cboauthors = Named(new QComboBox(Frame1), "cboauthors");
    cboauthors->setGeometry(64, 24, 250, 26);
    LabelAt(Frame1, QStringLiteral("Type"), 340, 28);
    cboSnippetTypes = Named(new QComboBox(Frame1), "cboSnippetTypes");
    cboSnippetTypes->setGeometry(384, 24, 268, 26);
    LabelAt(Frame1, QStringLiteral("List"), 12, 60);
    lstProcedures = Named(new QListWidget(Frame1), "lstProcedures");
    lstProcedures->setGeometry(12, 80, 540, 226);
    cmdShow = Named(new QPushButton(QStringLiteral("&Show"), Frame1), "cmdShow");
    cmdShow->setGeometry(564, 80, 88, 30);
    cmdAdd = Named(new QPushButton(QStringLiteral("&Add"), Frame1), "cmdAdd");
    cmdAdd->setGeometry(564, 118, 88, 30);

    Frame2 = Named(new QGroupBox(QStringLiteral("Library Entry"), page), "Frame2");
    Frame2->setGeometry(8, Frame1->geometry().bottom() + kFrameGap, kPageWidth - 16, kFrame2Height);
    pctcontainer = Named(new QFrame(Frame2), "pctcontainer");
    pctcontainer->setGeometry(12, 26, 620, 410);
    pctOutput = Named(new SnippetViewer(pctcontainer), "pctOutput");
    pctOutput->setGeometry(0, 0, 620, 410);
    VScroll1 = Named(new QScrollBar(Qt::Vertical, Frame2), "VScroll1");
    VScroll1->setGeometry(634, 26, 18, 410);
    HScroll1 = Named(new QScrollBar(Qt::Horizontal, Frame2), "HScroll1");
    HScroll1->setGeometry(12, 438, 620, 18);
    VScroll1->hide();
    HScroll1->hide();
    cmdCpyToClpBrd =
        Named(new QPushButton(QStringLiteral("&Copy to Clipboard"), Frame2), "cmdCpyToClpBrd");
    cmdCpyToClpBrd->setGeometry(12, 456, 160, 30);
}

void frmCodeLibrary::BuildModifyTab(QWidget* page) {
    fraProperties = Named(new QGroupBox(QStringLiteral("Properties"), page), "fraProperties");
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(fraProperties);
    auto* frameLayout = new QVBoxLayout(fraProperties);
    cmdUpdate = Named(new QPushButton(QStringLiteral("&Update"), fraProperties), "cmdUpdate");
    cmdUpdate->setFixedWidth(88);
    QSizePolicy keepPlace = cmdUpdate->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);  // the tabs below stay put when it shows
    cmdUpdate->setSizePolicy(keepPlace);
    cmdUpdate->hide();
    frameLayout->addWidget(cmdUpdate);
    SSTab2 = Named(new QTabWidget(fraProperties), "SSTab2");
    frameLayout->addWidget(SSTab2);

    auto* index = new QWidget;
    auto* form = new QFormLayout(index);
    txtName = Named(new QLineEdit, "txtName");
    txtDate = Named(new QLineEdit, "txtDate");
    cboSnippetTypes2 = Named(new QComboBox, "cboSnippetTypes2");
    cboauthors2 = Named(new QComboBox, "cboauthors2");
    form->addRow(QStringLiteral("Name"), txtName);
    form->addRow(QStringLiteral("Date"), txtDate);
    form->addRow(QStringLiteral("Type"), cboSnippetTypes2);
    form->addRow(QStringLiteral("Author"), cboauthors2);
    SSTab2->addTab(index, QStringLiteral("Index"));

    auto* code = new QWidget;
    auto* codeLayout = new QVBoxLayout(code);
    txtWindow = Named(new QPlainTextEdit, "txtWindow");
    txtWindow->setFont(pctOutput->font());
    txtWindow->setLineWrapMode(QPlainTextEdit::NoWrap);
    codeLayout->addWidget(txtWindow);
    SSTab2->addTab(code, QStringLiteral("Code"));
}

void frmCodeLibrary::Connect() {
    for (auto* filter : {cboauthors, cboSnippetTypes}) {
        connect(filter, &QComboBox::currentIndexChanged, this, [this] {
            if (!mBusy) {
                FillProcedureList();
            }
        });
    }
    connect(lstProcedures, &QListWidget::itemSelectionChanged, this,
            &frmCodeLibrary::lstProcedures_Click);
    connect(lstProcedures, &QListWidget::itemDoubleClicked, this,
            &frmCodeLibrary::lstProcedures_DblClick);
    connect(cmdShow, &QPushButton::clicked, this, &frmCodeLibrary::ShowSelectedSnippet);
    connect(cmdAdd, &QPushButton::clicked, this, &frmCodeLibrary::cmdAdd_Click);
    connect(cmdCpyToClpBrd, &QPushButton::clicked, this, &frmCodeLibrary::CopyToClipboard);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmCodeLibrary::ScrollViewer);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmCodeLibrary::ScrollViewer);
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmCodeLibrary::TabChanged);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmCodeLibrary::cmdUpdate_Click);
    connect(txtName, &QLineEdit::textChanged, this, [this] { ShowUpdate(true); });
    connect(txtDate, &QLineEdit::textChanged, this, [this] { ShowUpdate(false); });
    connect(txtWindow, &QPlainTextEdit::textChanged, this, [this] { ShowUpdate(false); });
    connect(cboauthors2, &QComboBox::activated, this, [this] { ShowUpdate(true); });
    connect(cboSnippetTypes2, &QComboBox::activated, this, [this] { ShowUpdate(true); });
    connect(txtName, &QLineEdit::returnPressed, this, &frmCodeLibrary::txtName_Enter);
    for (QObject* watched : {static_cast<QObject*>(pctOutput), static_cast<QObject*>(Frame1),
                             static_cast<QObject*>(lstProcedures)}) {
        watched->installEventFilter(this);
    }
}

bool frmCodeLibrary::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pctOutput && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left ||
            key == Qt::Key_Right) {
            ViewerKey(key);
            return true;
        }
    } else if (watched == lstProcedures && event->type() == QEvent::KeyPress) {
        if (!static_cast<QKeyEvent*>(event)->text().isEmpty()) {
            ShowSelectedSnippet();
        }
    } else if (watched == Frame1 && event->type() == QEvent::MouseButtonPress) {
        Frame1Click();
    }
    return QDialog::eventFilter(watched, event);
}

void frmCodeLibrary::done(int result) {
    mLibrary.Close();
    QDialog::done(result);
}

// ---- lists ----

void frmCodeLibrary::SetListIndex(QWidget* control, int index) {
    if (auto* list = qobject_cast<QListWidget*>(control)) {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(index);
    } else {
        mDialogs.Message("SetListIndex function does not work with the supplied control.", "",
                         MessageIcon::Information);
    }
}

void frmCodeLibrary::SelectListItem(const QString& text) {
    for (int i = 0; i < lstProcedures->count(); ++i) {
        if (EqualsIgnoreCase(FromQString(lstProcedures->item(i)->text()), FromQString(text))) {
            SetListIndex(lstProcedures, i);
            return;
        }
    }
}

void frmCodeLibrary::FillListFromQuery(QWidget* box, const std::string& statement,
                                       const std::string& displayField,
                                       const std::string& idField) {
    auto* combo = qobject_cast<QComboBox*>(box);
    combo->clear();
    for (const auto& entry : mLibrary.FillListFromQuery(statement, displayField, idField)) {
        combo->addItem(ToQString(entry.text), QVariant::fromValue<qlonglong>(entry.itemData));
    }
}

void frmCodeLibrary::FillFilterLists() {
    const BusyScope busy(mBusy);
    FillListFromQuery(cboauthors, "select * from authors", "name", "id");
    FillListFromQuery(cboSnippetTypes, "select * from SnippetTypes", "name", "id");
    SetListIndex(cboauthors, 0);
    SetListIndex(cboSnippetTypes, 0);
}

int64_t frmCodeLibrary::ChosenId(QComboBox* box, int64_t whenNone) const {
    return box->currentIndex() >= 0 ? box->currentData().toLongLong() : whenNone;
}

void frmCodeLibrary::FillProcedureList() {
    const WaitCursor wait;
    lstProcedures->clear();
    const auto entries =
        mLibrary.ProcedureEntries(ChosenId(cboSnippetTypes, 0), ChosenId(cboauthors, 0));
    for (const auto& entry : entries) {
        auto* item = new QListWidgetItem(ToQString(entry.text), lstProcedures);
        item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(entry.itemData));
    }
}

QListWidgetItem* frmCodeLibrary::SelectedProcedure() const {
    const auto selected = lstProcedures->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void frmCodeLibrary::lstProcedures_Click() {
    const auto* item = SelectedProcedure();
    mLibrary.SelectProcedure(item ? std::optional<int64_t>(item->data(Qt::UserRole).toLongLong())
                                  : std::nullopt);
}

void frmCodeLibrary::lstProcedures_DblClick(QListWidgetItem* item) {
    const std::string name = FromQString(item->text());
    if (!mDialogs.AskYesNo("Are you sure you want to delete '" + name + "'", "")) {
        return;
    }
    if (mLibrary.DeleteSnippet(name)) {
        FillFilterLists();
        FillProcedureList();
    }
}

// ---- viewer ----

void frmCodeLibrary::ShowSelectedSnippet() {
    if (!SelectedProcedure()) {
        return;
    }
    lstProcedures_Click();  // the query follows the selection, whatever moved it since
    ShowSnippet();
    CollapseFrame(Frame1);
    Frame2->setVisible(true);
    ExpandFrame(Frame2);
    pctOutput->setFocus();
}

void frmCodeLibrary::ShowSnippet() {
    pctOutput->Clear();
    pctOutput->resize(pctOutput->width(), 20);
    const auto snippet = mLibrary.CurrentSnippet();
    if (!snippet) {
        return;
    }
    const QColor caption(0, 0, 255);
    const QColor value(Qt::black);
    pctOutput->Print(QStringLiteral("Author: "), caption, false);
    pctOutput->Print(ToQString(mLibrary.GetAuthorName(snippet->authorsId)), value, true);
    pctOutput->Print(QStringLiteral("Date: "), caption, false);
    pctOutput->Print(ToQString(snippet->date), value, true);
    pctOutput->Print(QStringLiteral("Name: "), caption, false);
    pctOutput->Print(ToQString(std::string(TrimBlanks(snippet->name))), value, true);
    pctOutput->Print(QStringLiteral("Type: "), caption, false);
    pctOutput->Print(ToQString(mLibrary.GetSnippetTypeName(snippet->snippetTypesId)), value, true);
    pctOutput->Print(QString(), value, true);

    const QString code = ToQString(snippet->codeText);
    const QRect inner = pctcontainer->contentsRect();
    int width = 0;
    for (const QString& line : code.split('\r')) {
        width = std::max(width, pctOutput->TextWidth(QString(line).remove('\n')));
    }
    width = std::max(width + kViewerMargin, inner.width());
    pctOutput->Print(QStringLiteral("Code:"), caption, true);
    pctOutput->Print(code, value, false);
    const int height = std::max(static_cast<int>(std::lround(pctOutput->PrintedHeight() * 1.1)),
                                inner.height() - kViewerMargin);
    pctOutput->setGeometry(inner.left(), inner.top(), width, height);

    const auto setUp = [](QScrollBar* bar, int overflow, int step, int page) {
        bar->setVisible(overflow > 0);
        bar->setRange(0, std::max(overflow, 0));
        bar->setSingleStep(step);
        bar->setPageStep(page);
        bar->setValue(bar->minimum());
    };
    setUp(VScroll1, height - inner.height(), pctOutput->LineHeight(), inner.height());
    setUp(HScroll1, width - inner.width(), pctOutput->CharacterWidth(), inner.width());
    mShownCode = code;
}

void frmCodeLibrary::ScrollViewer() {
    const QRect inner = pctcontainer->contentsRect();
    const auto offset = [](QScrollBar* bar, int size, int innerSize) {
        if (bar->maximum() <= 0) {
            return 0;
        }
        return static_cast<int>(-std::lround(static_cast<double>(bar->value()) / bar->maximum() *
                                             std::abs(size - innerSize - kViewerMargin)));
    };
    pctOutput->move(inner.left() + offset(HScroll1, pctOutput->width(), inner.width()),
                    inner.top() + offset(VScroll1, pctOutput->height(), inner.height()));
    pctOutput->setFocus();
}

void frmCodeLibrary::ViewerKey(int key) {
    auto* bar = (key == Qt::Key_Up || key == Qt::Key_Down) ? VScroll1 : HScroll1;
    const int change =
        (key == Qt::Key_Down || key == Qt::Key_Right) ? bar->singleStep() : -bar->singleStep();
    bar->setValue(std::clamp(bar->value() + change, bar->minimum(), bar->maximum()));
}

void frmCodeLibrary::CopyToClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(mShownCode);
}

// ---- frames ----

void frmCodeLibrary::SetFrameHeight(QWidget* frame, int height) {
    frame->resize(frame->width(), height);
    Frame2->move(Frame2->x(), Frame1->geometry().bottom() + 1 + kFrameGap);
}

void frmCodeLibrary::ExpandFrame(QWidget* frame) {
    const int target = frame->property(kTag).toInt();
    const int from = frame->height();
    if (from >= target) {
        return;
    }
    for (int step = 1; step <= kAnimationSteps; ++step) {
        for (int i = 0; i < kEventsPerStep; ++i) {
            QCoreApplication::processEvents();
        }
        SetFrameHeight(frame, step == kAnimationSteps
                                  ? target
                                  : from + (target - from) * step / kAnimationSteps);
    }
}

void frmCodeLibrary::CollapseFrame(QWidget* frame) {
    const int target =
        static_cast<int>(std::lround(frame->property(kTag).toInt() * kCollapsedShare));
    const int from = frame->height();
    for (int step = 1; step <= kAnimationSteps; ++step) {
        for (int i = 0; i < kEventsPerStep; ++i) {
            QCoreApplication::processEvents();
        }
        SetFrameHeight(frame, step == kAnimationSteps
                                  ? target
                                  : from + (target - from) * step / kAnimationSteps);
    }
}

void frmCodeLibrary::Frame1Click() {
    CollapseFrame(Frame2);
    Frame2->hide();
    ExpandFrame(Frame1);
}

// ---- editing ----

void frmCodeLibrary::TabChanged(int index) {
    if (index == 1) {
        LoadModifyTab();
        return;
    }
    if (!cmdUpdate->isHidden()) {
        cmdUpdate_Click();
    }
    Frame1Click();
}

void frmCodeLibrary::LoadModifyTab() {
    if (!SelectedProcedure()) {
        return;
    }
    const BusyScope busy(mBusy);
    const WaitCursor wait;
    lstProcedures_Click();
    const auto snippet = mLibrary.CurrentSnippet();
    if (!snippet) {
        return;
    }
    txtName->setText(ToQString(snippet->name));
    FillListFromQuery(cboauthors2, "select * from authors order by name", "name", "id");
    SetListIndex(cboauthors2, ItemIndexWithData(cboauthors2, snippet->authorsId));
    FillListFromQuery(cboSnippetTypes2, "select * from SnippetTypes order by name", "name", "id");
    SetListIndex(cboSnippetTypes2, ItemIndexWithData(cboSnippetTypes2, snippet->snippetTypesId));
    mLoadedCode = snippet->codeText;
    txtWindow->setPlainText(ToQString(snippet->codeText));
    txtDate->setText(ToQString(snippet->date));
    cmdUpdate->hide();
}

void frmCodeLibrary::ShowUpdate(bool evenWhenBusy) {
    if (evenWhenBusy || !mBusy) {
        cmdUpdate->show();
    }
}

void frmCodeLibrary::cmdUpdate_Click() {
    Snippet edited;
    edited.name = FromQString(txtName->text());
    edited.codeText = WithStoredLineBreaks(FromQString(txtWindow->toPlainText()), mLoadedCode);
    edited.date = FromQString(txtDate->text());
    edited.authorsId = ChosenId(cboauthors2, CodeLibrary::kNoChoice);
    edited.snippetTypesId = ChosenId(cboSnippetTypes2, CodeLibrary::kNoChoice);
    // A failed store keeps the button, so that the edits are still pending.
    if (!mLibrary.StoreSnippet(edited)) {
        return;
    }
    cmdUpdate->hide();
    if (auto* item = SelectedProcedure()) {
        item->setText(ToQString(std::string(TrimBlanks(edited.name))));
    }
}

void frmCodeLibrary::cmdAdd_Click() {
    const BusyScope busy(mBusy);
    if (!cmdUpdate->isHidden() &&
        mDialogs.AskYesNo("Would you like to update any previous changes?", "Update Changes?")) {
        cmdUpdate_Click();
    }
    const std::string name =
        mDialogs.InputBox("What is the name of the new code snippet?", "Name", "");
    if (name.empty()) {
        return;
    }
    const auto entry = mLibrary.AddSnippet(name, ChosenId(cboauthors, CodeLibrary::kNoChoice),
                                           ChosenId(cboSnippetTypes, CodeLibrary::kNoChoice),
                                           FormatSnippetDate(Today()));
    if (!entry) {
        return;
    }
    auto* item = new QListWidgetItem(ToQString(entry->text), lstProcedures);
    item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(entry->itemData));
    SetListIndex(lstProcedures, lstProcedures->count() - 1);
}

void frmCodeLibrary::txtName_Enter() {
    const auto* item = SelectedProcedure();
    if (item && StartsWithIgnoreCase(FromQString(item->text()), FromQString(txtName->text()))) {
        txtName->setText(item->text());
    }
    SelectListItem(txtName->text());
}

}  // namespace htmlsim::gui
