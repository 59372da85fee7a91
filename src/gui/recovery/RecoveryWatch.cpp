#include "RecoveryWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QUuid>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "QtText.h"
#include "frmRecoverWork.h"

namespace htmlsim::gui {

RecoveryWatch::RecoveryWatch(Session& session, SecondsClock clock, QWidget& window)
    : mSession(session),
      mWindow(window),
      mFolder(RecoveryFolder::DefaultPath()),
      mLocks(mFolder),
      mKeeper(session, mFolder, mLocks,
              FromQString(QUuid::createUuid().toString(QUuid::WithoutBraces)), std::move(clock)) {
    mTimer.setSingleShot(true);
    mTimer.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire before the deadline
    connect(&mTimer, &QTimer::timeout, this, &RecoveryWatch::WriteIfDue);
}

void RecoveryWatch::Start() {
    mWatching = true;
    Notice();
    QCoreApplication::instance()->installEventFilter(this);
    auto copies = TakeRecoverableCopies(mFolder, mLocks);
    if (!copies.empty()) {
        OfferCopies(std::move(copies));
    }
}

void RecoveryWatch::OfferCopies(std::vector<RecoverableCopy> copies) {
    RecoveryChoices choices;
    choices.open = [this](const RecoverableCopy& copy) {
        if (OpenRecoverableCopy(copy, mSession, mKeeper, mLocks)) {
            Notice();
        }
    };
    choices.remove = [this](const RecoverableCopy& copy) {
        DeleteRecoverableCopy(copy, mFolder, mLocks);
    };
    choices.putOff = [this](const RecoverableCopy& copy) { PutOffRecoverableCopy(copy, mLocks); };
    mOffer = new frmRecoverWork(std::move(copies), std::move(choices), &mWindow);
    connect(mOffer, &QDialog::finished, this, [this] { mOffer = nullptr; });
    mOffer->open();
}

void RecoveryWatch::DocumentClosed() {
    mWatching = false;
    QCoreApplication::instance()->removeEventFilter(this);
    mTimer.stop();
    mKeeper.DocumentClosed();
}

void RecoveryWatch::WriteIfDue() {
    if (!mWatching) {
        return;
    }
    mKeeper.WriteIfDue();
    ScheduleTimer();
}

void RecoveryWatch::Notice() {
    if (!mWatching) {
        return;
    }
    mKeeper.Notice();
    ScheduleTimer();
}

void RecoveryWatch::ScheduleTimer() {
    const auto deadline = mKeeper.NextDeadline();
    if (!deadline) {
        mTimer.stop();
        return;
    }
    const double seconds = std::max(0.0, *deadline - mKeeper.Now());
    mTimer.start(static_cast<int>(std::ceil(seconds * 1000)));
}

bool RecoveryWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease) {
        // Looked at once the release has done its work.
        QTimer::singleShot(0, this, &RecoveryWatch::Notice);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace htmlsim::gui
