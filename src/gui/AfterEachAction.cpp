#include "AfterEachAction.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace htmlsim::gui {

namespace {

class ActionWatch : public QObject {
  public:
    ActionWatch(QObject& owner, std::function<void()> update)
        : QObject(&owner), mUpdate(std::move(update)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease) {
            // Once the release has done its work.
            QTimer::singleShot(0, this, mUpdate);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> mUpdate;
};

}  // namespace

void CallAfterEachAction(QObject& owner, std::function<void()> update) {
    new ActionWatch(owner, std::move(update));
}

}  // namespace htmlsim::gui
