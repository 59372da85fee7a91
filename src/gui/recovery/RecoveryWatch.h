#pragma once

#include <QObject>
#include <QTimer>

#include "QtRecoveryLocks.h"
#include "recovery/RecoverableCopies.h"
#include "recovery/RecoveryKeeper.h"

class QWidget;

namespace htmlsim {
class Session;
}

namespace htmlsim::gui {

class frmRecoverWork;

// The window's side of the recovery copies: it tells the keeper after each key or mouse
// release, runs a timer to the keeper's next deadline, and at start offers the copies that
// editors which ended without saving left behind.
class RecoveryWatch : public QObject {
    Q_OBJECT
  public:
    // The clock decides when a copy is due; the recovery folder is the user's. The offer is
    // shown over the window.
    RecoveryWatch(Session& session, SecondsClock clock, QWidget& window);

    // Offers the copies nobody works on (when there are any), then watches the document.
    void Start();
    // The window closed with the user's consent: this editor's copy goes.
    void DocumentClosed();

    RecoveryKeeper& Keeper() { return mKeeper; }
    const RecoveryFolder& Folder() const { return mFolder; }
    // What the timer runs: writes the copy when it is due and sets the timer anew.
    void WriteIfDue();
    // The offer of the copies, while it is open.
    frmRecoverWork* Offer() const { return mOffer; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Notice();
    void ScheduleTimer();
    void OfferCopies(std::vector<RecoverableCopy> copies);

    Session& mSession;
    QWidget& mWindow;
    RecoveryFolder mFolder;
    QtRecoveryLocks mLocks;
    RecoveryKeeper mKeeper;
    QTimer mTimer;
    frmRecoverWork* mOffer = nullptr;
    bool mWatching = false;
};

}  // namespace htmlsim::gui
