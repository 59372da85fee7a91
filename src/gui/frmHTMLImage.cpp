#include "frmHTMLImage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "AfterEachAction.h"
#include "CreateSimJs.h"
#include "DesignStatusBar.h"
#include "DesignSurface.h"
#include "EditMenu.h"
#include "MainToolBar.h"
#include "PreviewInBrowser.h"
#include "QtText.h"
#include "RecentFilesMenu.h"
#include "X11ScreenCapture.h"
#include "codelib/frmCodeLibrary.h"
#include "controls/PageControlViews.h"
#include "editor/DocumentTextEdit.h"
#include "editor/FindBar.h"
#include "flowmap/CheckLinksCommand.h"
#include "frmAbout.h"
#include "insert/ImageInsertion.h"
#include "insert/ImageInsertionCommands.h"
#include "properties/frmProperties.h"
#include "publish/dlgPublish.h"
#include "record/RecapturePictureCommand.h"
#include "record/dlgRecordPages.h"
#include "recovery/RecoveryWatch.h"
#include "session/NewDocumentCommand.h"
#include "session/PageControlCommands.h"
#include "session/PageControlRemoval.h"
#include "session/SessionSectionWriter.h"
#include "surface/BrowserScaleToggle.h"

namespace htmlsim::gui {

namespace {

QFont EditorFont() {
    // "Courier New" resolves to Liberation Mono, which has the same metrics.
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    return font;
}

// The title marks a page that differs from its file with " *" after the session's caption.
void MarkChangedInTitle(QWidget& window, const Session& session) {
    QString title = window.windowTitle();
    if (title.endsWith(" *")) {
        title.chop(2);
    }
    const bool changed = session.TextWithPendingEdit() != session.SavedText();
    window.setWindowTitle(changed ? title + " *" : title);
}

// "Saved 'NAME'" in the status bar after a save that happened.
void ShowSaved(QMainWindow& window, const Session& session, bool saved) {
    if (saved) {
        const std::string& extension = session.Extension();
        const std::string name =
            session.FileNameOnly() + (extension.empty() ? "" : "." + extension);
        window.statusBar()->showMessage("Saved '" + ToQString(name) + "'");
    }
}

}  // namespace

frmHTMLImage::frmHTMLImage(Dialogs& dialogs, const std::string& programFolder, QWidget* parent,
                           SecondsClock clock)
    : QMainWindow(parent), mFtpDialogs(this), mFTP(mFtpDialogs), mSession(dialogs, programFolder) {
    setObjectName("frmHTMLImage");
    mFtpDialogs.SetSecretStore(&mSecrets);
    mFTP.SetSecretStore(&mSecrets);
    mSession.SetFtpClient(mFTP);
    BuildTabs(clock);
    mRecovery = std::make_unique<RecoveryWatch>(mSession, std::move(clock), *this);
    BuildMenus();
    auto* toolBar = new MainToolBar(*this, *mInteraction);
    addToolBar(toolBar);
    CallAfterEachAction(*this, [this, toolBar] {
        toolBar->Refresh();
        MarkChangedInTitle(*this, mSession);
    });
    resize(1000, 720);
    mSession.SetView(this);
}

frmHTMLImage::~frmHTMLImage() = default;

void frmHTMLImage::Start(const std::string& commandLine) {
    mSession.Start(commandLine);
    mRecovery->Start();
}

void frmHTMLImage::BuildTabs(SecondsClock clock) {
    mTabs = new QTabWidget(this);
    mTabs->setObjectName("SSTab1");

    mDesignTab = new DesignSurface(mTabs);
    mTabs->addTab(mDesignTab, "Image Design");
    mSession.AttachDesignServices(mDesignTab->Canvas(), mPictures);
    mDesignTab->Canvas().ShowTextWith(mSession.Codec());
    mForms = std::make_unique<QtDesignForms>(this);
    mMenus = std::make_unique<SurfaceMenus>(*mDesignTab->pctPallet());
    mInteraction =
        std::make_unique<DesignInteraction>(mSession, *mMenus, *mForms, std::move(clock));
    mMenus->SetInteraction(mInteraction.get());
    mDesignTab->pctPallet()->SetMouse(&mInteraction->Mouse());
    mDesignTab->pctPallet()->SetKeyHandler(
        [this](SurfaceKey key, KeyModifiers modifiers) { mInteraction->KeyDown(key, modifiers); });
    AddDesignStatusBar(*this, *mDesignTab->pctPallet(), *mInteraction);
    mControls = std::make_unique<PageControls>(mDocumentMeasurer, mSession.GetDialogs(),
                                               SessionSectionWriter(mSession));
    ConnectPageControls(*mInteraction, *mControls);
    mControlViews =
        std::make_unique<PageControlViews>(*mControls, mSession.Codec(), mDesignTab->pctPallet());
    mControlViews->SetPropertiesDialog(new frmProperties(this));
    mControlViews->SetRemoveCommand([this](const std::string& arrayName, int index) {
        RemovePageControl(mSession, *mControls, arrayName, index);
    });
    AddImageInsertionCommands(*mInteraction, mSession, mClipboard);
    mDesignTab->pctPallet()->SetFileDrop(
        [this](const std::vector<std::string>& paths) { DropFiles(mSession, paths); });

    auto* editor = new QWidget(mTabs);
    auto* layout = new QVBoxLayout(editor);
    auto* row = new QHBoxLayout;
    mSections = new QComboBox(editor);
    mSections->setObjectName("cboSections");
    mSections->setMinimumContentsLength(30);
    mSections->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    mSections->installEventFilter(this);
    mAddSection = new QPushButton("Add Section", editor);
    mAddSection->setObjectName("cmdAddSection");
    row->addWidget(mSections);
    row->addWidget(mAddSection);
    row->addStretch();
    layout->addLayout(row);
    mDocument = new DocumentTextEdit(editor);
    mDocument->setObjectName("txtDocument");
    mDocument->setFont(EditorFont());
    mDocument->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(mDocument);
    layout->addWidget(new FindBar(*mDocument, editor));
    mTabs->addTab(editor, "Document Editor");
    setCentralWidget(mTabs);

    connect(mTabs, &QTabWidget::currentChanged, this, [this](int tab) {
        mSession.SwitchTab(tab);
        // The text takes the keys at once (typing, Ctrl+F) instead of a widget of the other tab.
        if (mTabs->currentWidget() != mDesignTab) {
            mDocument->setFocus();
        }
    });
    connect(mSections, &QComboBox::activated, this, [this](int index) {
        if (index >= 0) {
            mSession.SelectSection(static_cast<size_t>(index));
        }
    });
    connect(mDocument, &QPlainTextEdit::textChanged, this,
            [this] { mSession.EditorTextChanged(); });
    connect(mAddSection, &QPushButton::clicked, this, [this] { mSession.AddSectionCommand(); });
}

QAction* frmHTMLImage::AddMenuItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void frmHTMLImage::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    QAction* newPage = AddMenuItem(file, "mnuFileNewPage", "&New...");
    // Ctrl+N stays with "Network", as it always was.
    newPage->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N));
    connect(newPage, &QAction::triggered, this, [this] {
        const std::string path = NewDocumentCommand(mSession);
        if (!path.empty()) {
            statusBar()->showMessage("Created '" + ToQString(path) + "'");
        }
    });
    QMenu* workFolder = file->addMenu("Set Working Folder");
    workFolder->menuAction()->setObjectName("mnuSetWorkFolder");
    QAction* newDocument = AddMenuItem(workFolder, "mnuFileNew", "Network");
    newDocument->setShortcut(QKeySequence::New);
    connect(newDocument, &QAction::triggered, this, [this] { mSession.NewLocalDocument(); });
    connect(AddMenuItem(workFolder, "mnuFileNewFTPProject", "FTP"), &QAction::triggered, this,
            [this] { mSession.NewFtpProjectCommand(); });
    QAction* open = AddMenuItem(file, "mnuFileOpen", "&Open File...");
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this] { mSession.OpenCommand(); });
    QAction* saveAs = AddMenuItem(file, "mnuFileSaveAs", "Sav&e As...");
    // Not every desktop's key scheme has these two; the README promises them everywhere.
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAs, &QAction::triggered, this,
            [this] { ShowSaved(*this, mSession, mSession.SaveAsCommand()); });
    connect(AddMenuItem(file, "mnuOpenFTPFile", "Open FTP File..."), &QAction::triggered, this,
            [this] { mSession.OpenFtpFileCommand(); });
    connect(AddMenuItem(file, "mnuSaveAsFTPFile", "Save As FTP File..."), &QAction::triggered, this,
            [this] { mSession.SaveAsFtpFileCommand(); });
    QAction* save = AddMenuItem(file, "mnuFileSave", "&Save");
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this,
            [this] { ShowSaved(*this, mSession, mSession.SaveCommand()); });
    connect(AddMenuItem(file, "mnuFilePublish", "&Publish..."), &QAction::triggered, this,
            [this] { PublishMenuCommand(mSession, this); });
    file->addSeparator();
    mRecentFiles = new RecentFilesMenu(*file, mSession);
    file->addSeparator();
    QAction* exit = AddMenuItem(file, "mnuFileExit", "E&xit");
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    AddEditMenu(*menuBar(), mSession, *this);
    AddBrowserScaleToggle(*menuBar(), mSession, *mDesignTab->pctPallet());

    QMenu* tools = menuBar()->addMenu("&Tools");
    connect(AddMenuItem(tools, "mnuCodeLibrary", "Code Library"), &QAction::triggered, this,
            [this] { frmCodeLibrary::ShowModal(this); });
    AddMenuItem(tools, "mnuRefreshDrawing", "Refresh Drawing");
    connect(AddMenuItem(tools, "mnuToolsRecordSimulation", "Create Sim.js"), &QAction::triggered,
            this, [this] { CreateSimJs(mSession, *this); });
    connect(AddMenuItem(tools, "mnuToolsRecordPages", "Record Pages..."), &QAction::triggered, this,
            [this] { RecordPagesCommand(mSession, this); });
    connect(AddMenuItem(tools, "mnuToolsRecapturePicture", "Re-capture Picture"),
            &QAction::triggered, this, [this] {
                EventLoopCountdownClock clock;
                record::X11ScreenCapture screen;
                RecapturePictureCommand(mSession, clock, screen);
            });
    QAction* preview = AddMenuItem(tools, "mnuPreviewInBrowser", "Preview in Browser");
    preview->setShortcut(Qt::Key_F5);
    connect(preview, &QAction::triggered, this, [this] { PreviewInBrowser(mSession); });
    QAction* previewPublished = AddMenuItem(tools, "mnuToolsPreviewPublished", "Preview Published");
    previewPublished->setShortcut(Qt::Key_F6);
    connect(previewPublished, &QAction::triggered, this,
            [this] { PreviewPublishedCommand(mSession); });
    connect(AddMenuItem(tools, "mnuToolsCheckLinks", "Check Links"), &QAction::triggered, this,
            [this] { ShowCheckLinks(*this); });

    QMenu* help = menuBar()->addMenu("&Help");
    connect(AddMenuItem(help, "mnuAbout", "&About"), &QAction::triggered, this,
            &frmHTMLImage::ShowAbout);
}

QAction* frmHTMLImage::MenuItem(const QString& name) const {
    return findChild<QAction*>(name);
}

void frmHTMLImage::ShowAbout() {
    frmAbout about(this);
    about.exec();
}

void frmHTMLImage::SetCaption(const std::string& caption) {
    setWindowTitle(caption.empty() ? QApplication::applicationName() : ToQPath(caption));
}

void frmHTMLImage::DocumentKept(const std::string& path) {
    mRecentFiles->Remember(path);
}

void frmHTMLImage::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void frmHTMLImage::ClearDesign() {
    mDesignTab->update();
}

void frmHTMLImage::ScrollDesignHome() {
    mDesignTab->ScrollHome();
}

void frmHTMLImage::DesignRebuilt() {
    mDesignTab->LayoutTab();
}

void frmHTMLImage::ShowTab(int tab) {
    if (mTabs->currentIndex() != tab) {
        const QSignalBlocker quiet(mTabs);
        mTabs->setCurrentIndex(tab);
    }
}

void frmHTMLImage::ShowSectionNames(const std::vector<std::string>& names) {
    const QSignalBlocker quiet(mSections);
    mSections->clear();
    for (const auto& name : names) {
        // Section names are the document's own bytes.
        mSections->addItem(ShownText(name, mSession.Codec()));
    }
}

void frmHTMLImage::SelectSectionQuietly(size_t index) {
    const QSignalBlocker quiet(mSections);
    mSections->setCurrentIndex(static_cast<int>(index));
}

void frmHTMLImage::ShowEditorText(const std::string& text) {
    mDocument->setPlainText(ToQString(text));
}

std::string frmHTMLImage::EditorText() const {
    return FromQtRawText(mDocument->document()->toRawText());
}

void frmHTMLImage::closeEvent(QCloseEvent* event) {
    if (mSession.PrepareToClose()) {
        mRecovery->DocumentClosed();
        event->accept();
    } else {
        event->ignore();
    }
}

bool frmHTMLImage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mSections && event->type() == QEvent::FocusIn) {
        mSession.SectionListFocused();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace htmlsim::gui
