#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

#include "QtClipboard.h"
#include "QtDesignForms.h"
#include "QtPictures.h"
#include "QtTextMeasurer.h"
#include "ftp/CurlFtpClient.h"
#include "ftp/QtFtpDialogs.h"
#include "secrets/LibsecretStore.h"

#include "SurfaceMenus.h"
#include "services/Dialogs.h"
#include "session/DesignInteraction.h"
#include "session/Session.h"
#include "session/SessionView.h"
#include "surface/PageControls.h"
#include "text/DocumentTextMeasurer.h"

class QAction;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace htmlsim {
class PageControlViews;
}
namespace htmlsim::gui {
class DesignSurface;
class RecentFilesMenu;
class RecoveryWatch;
}  // namespace htmlsim::gui

namespace htmlsim::gui {

// The main window: the design tab and the Document Editor tab over one session, and the menus.
class frmHTMLImage : public QMainWindow, public SessionView {
    Q_OBJECT
  public:
    // The clock times mouse presses on the surface (a quick press on a link follows it) and
    // the recovery copies.
    frmHTMLImage(Dialogs& dialogs, const std::string& programFolder, QWidget* parent = nullptr,
                 SecondsClock clock = SteadySeconds);
    ~frmHTMLImage() override;

    // Opens the document the command line names, or a new one, and shows its design.
    void Start(const std::string& commandLine);

    Session& GetSession() { return mSession; }
    // The mouse, the links and the pop-up menus of the design surface.
    DesignInteraction& Interaction() { return *mInteraction; }
    SurfaceMenus& Menus() { return *mMenus; }
    // The anchors, inputs and labels on the design surface.
    PageControls& Controls() { return *mControls; }
    QTabWidget* SSTab1() const { return mTabs; }
    DesignSurface* DesignTab() const { return mDesignTab; }
    QComboBox* cboSections() const { return mSections; }
    QPlainTextEdit* txtDocument() const { return mDocument; }
    QPushButton* cmdAddSection() const { return mAddSection; }
    // The recovery copies of the document and the offer of those left behind.
    RecoveryWatch& Recovery() { return *mRecovery; }
    // Menu items by their names ("mnuFileSave" ...).
    QAction* MenuItem(const QString& name) const;

    // SessionView
    void SetCaption(const std::string& caption) override;
    void DocumentKept(const std::string& path) override;
    void SetBusy(bool busy) override;
    void ClearDesign() override;
    void ScrollDesignHome() override;
    void DesignRebuilt() override;
    void ShowTab(int tab) override;
    void ShowSectionNames(const std::vector<std::string>& names) override;
    void SelectSectionQuietly(size_t index) override;
    void ShowEditorText(const std::string& text) override;
    std::string EditorText() const override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildTabs(SecondsClock clock);
    void BuildMenus();
    QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption);
    void ShowAbout();

    platform::LibsecretStore mSecrets;
    QtFtpDialogs mFtpDialogs;
    platform::CurlFtpClient mFTP;
    Session mSession;
    QtPictures mPictures;
    QtTextMeasurer mMeasurer;
    DocumentTextMeasurer mDocumentMeasurer{mMeasurer, mSession.Codec()};
    QtClipboard mClipboard;
    RecentFilesMenu* mRecentFiles = nullptr;
    QTabWidget* mTabs = nullptr;
    DesignSurface* mDesignTab = nullptr;
    QComboBox* mSections = nullptr;
    QPlainTextEdit* mDocument = nullptr;
    QPushButton* mAddSection = nullptr;
    std::unique_ptr<QtDesignForms> mForms;
    std::unique_ptr<SurfaceMenus> mMenus;
    std::unique_ptr<DesignInteraction> mInteraction;
    std::unique_ptr<PageControls> mControls;
    // Goes before the controls it shows (members are destroyed in reverse order).
    std::unique_ptr<PageControlViews> mControlViews;
    std::unique_ptr<RecoveryWatch> mRecovery;
};

}  // namespace htmlsim::gui
