#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "recovery/RecoverableCopies.h"

class QPushButton;
class QTableWidget;

namespace htmlsim::gui {

// What each button of the offer does with the chosen copy.
struct RecoveryChoices {
    std::function<void(const RecoverableCopy&)> open;
    std::function<void(const RecoverableCopy&)> remove;
    std::function<void(const RecoverableCopy&)> putOff;
};

// "Recover unsaved work": the copies left by editors that ended without saving, one row each,
// with Open, Show difference, Delete and Later for the chosen row. Closing it puts off every
// copy still listed: nothing is opened or deleted without a choice.
class frmRecoverWork : public QDialog {
    Q_OBJECT
  public:
    frmRecoverWork(std::vector<RecoverableCopy> copies, RecoveryChoices choices,
                   QWidget* parent = nullptr);

    QTableWidget* tblCopies() const { return mTable; }
    // The rows' texts as shown, for a reader of the whole offer.
    QString RowText(int row) const;

    void OpenChosen();
    void ShowDifferenceOfChosen();
    void DeleteChosen();
    void PutOffChosen();

  protected:
    void done(int result) override;

  private:
    void FillRow(int row, const RecoverableCopy& copy);
    // Removes the chosen row and hands its copy to the choice; closes when none is left.
    void Decide(const std::function<void(const RecoverableCopy&)>& choice);

    std::vector<RecoverableCopy> mCopies;
    RecoveryChoices mChoices;
    QTableWidget* mTable = nullptr;
};

}  // namespace htmlsim::gui
