#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>

#include "codelib/CodeLibrary.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTabWidget;

namespace htmlsim::gui {

class SnippetViewer;

// The Code Library window: finds snippets by author and type, shows one in a scrolling viewer,
// copies it, and adds, edits and deletes snippets. The data steps are the CodeLibrary's.
class frmCodeLibrary : public QDialog {
    Q_OBJECT
  public:
    frmCodeLibrary(Dialogs& dialogs, const std::filesystem::path& dataFolder,
                   QWidget* parent = nullptr);
    ~frmCodeLibrary() override;

    // Shows the window modally over the parent, with its data in the program's data folder.
    static void ShowModal(QWidget* parent);

    // Selects an item of a list or combo box without raising its change signals.
    void SetListIndex(QWidget* control, int index);
    void SelectListItem(const QString& text);
    void ExpandFrame(QWidget* frame);
    void CollapseFrame(QWidget* frame);

    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildSearchTab(QWidget* page);
    void BuildModifyTab(QWidget* page);
    void Connect();
    void SetFrameHeight(QWidget* frame, int height);

    void FillFilterLists();
    void FillListFromQuery(QWidget* box, const std::string& statement,
                           const std::string& displayField, const std::string& idField);
    void FillProcedureList();
    void ShowSelectedSnippet();
    void ShowSnippet();
    void ScrollViewer();
    void ViewerKey(int key);
    void CopyToClipboard();
    void Frame1Click();
    void TabChanged(int index);
    void LoadModifyTab();
    void ShowUpdate(bool evenWhenBusy);
    void cmdUpdate_Click();
    void cmdAdd_Click();
    void lstProcedures_Click();
    void lstProcedures_DblClick(QListWidgetItem* item);
    void txtName_Enter();
    QListWidgetItem* SelectedProcedure() const;
    int64_t ChosenId(QComboBox* box, int64_t whenNone) const;

    Dialogs& mDialogs;
    CodeLibrary mLibrary;
    bool mBusy = false;
    QString mShownCode;
    std::string mLoadedCode;  // the code as stored, before the code box changed its line breaks

    QTabWidget* SSTab1;
    QGroupBox* Frame1;
    QComboBox* cboauthors;
    QComboBox* cboSnippetTypes;
    QListWidget* lstProcedures;
    QPushButton* cmdShow;
    QPushButton* cmdAdd;
    QGroupBox* Frame2;
    QFrame* pctcontainer;
    SnippetViewer* pctOutput;
    QScrollBar* VScroll1;
    QScrollBar* HScroll1;
    QPushButton* cmdCpyToClpBrd;
    QGroupBox* fraProperties;
    QPushButton* cmdUpdate;
    QTabWidget* SSTab2;
    QLineEdit* txtName;
    QLineEdit* txtDate;
    QComboBox* cboSnippetTypes2;
    QComboBox* cboauthors2;
    QPlainTextEdit* txtWindow;
};

}  // namespace htmlsim::gui
