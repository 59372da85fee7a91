#pragma once

#include <QPalette>
#include <QTextDocument>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace htmlsim::gui {

// The find bar under a text box: hidden until Ctrl+F, then F3 / Enter finds the next match and
// Shift+F3 / Shift+Enter the previous one, ignoring case and wrapping around the ends; Escape
// hides it. The shortcuts work while the focus is anywhere inside the bar's parent, so that
// another tab's keys are left alone.
class FindBar : public QWidget {
    Q_OBJECT
  public:
    FindBar(QPlainTextEdit& editor, QWidget* parent);

    // Shows the bar with the focus on the search term (the editor's selection, if any).
    void Open();
    // Selects the next (previous) match and scrolls to it; false, with the bar marked, when the
    // text has none.
    bool FindNext();
    bool FindPrevious();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AddShortcut(const QKeySequence& keys, bool backward);
    bool Find(QTextDocument::FindFlags flags);
    void FindFromSelectionStart();
    void ShowFound(bool found);

    QPlainTextEdit& mEditor;
    QLineEdit* mTerm = nullptr;
    QLabel* mStatus = nullptr;
    QPalette mNormalPalette;
};

}  // namespace htmlsim::gui
