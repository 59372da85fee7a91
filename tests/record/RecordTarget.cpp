// The application the recording tests record: a window whose screen changes on each press of
// its buttons (a left press on "Open", a right press on "Options", a left press on "Go" below
// the "Name" and "Password" fields, and on "Go" again on every screen after), so that every page
// of a recording must show the screen before its press. It tells its driver on stdout, once the
// X server has drawn what it reports: a line "control NAME X,Y,W,H" for each control of a screen
// (window coordinates) and then "screen N"; and "typed TEXT" after each change of a field.
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>
#include <functional>

namespace {

// Acts on the press itself, not the release, so no screen shows the control half pressed. Its
// accessible name is its text.
class PressButton : public QPushButton {
  public:
    PressButton(const QString& text, Qt::MouseButton button, std::function<void()> pressed)
        : QPushButton(text), mButton(button), mPressed(std::move(pressed)) {
        setAccessibleName(text);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == mButton) {
            mPressed();
        }
        event->accept();
    }

  private:
    Qt::MouseButton mButton;
    std::function<void()> mPressed;
};

// Waits until the X server has done everything this program asked of it, so what it reports
// is on the screen.
void SyncWithServer() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

class Screens : public QWidget {
  public:
    Screens() {
        setWindowTitle("Record target");
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(&mHeading);
        layout->addWidget(&mStack);
        mStack.addWidget(new PressButton("Open", Qt::LeftButton, [this] { Show(2); }));
        mStack.addWidget(new PressButton("Options", Qt::RightButton, [this] { Show(3); }));
        auto* form = new QWidget;
        auto* fields = new QFormLayout(form);
        mName.setAccessibleName("Name");
        mPassword.setAccessibleName("Password");
        mPassword.setEchoMode(QLineEdit::Password);
        fields->addRow("Name", &mName);
        fields->addRow("Password", &mPassword);
        fields->addRow(new PressButton("Go", Qt::LeftButton, [this] { Show(mScreen + 1); }));
        mStack.addWidget(form);

        for (QLineEdit* field : {&mName, &mPassword}) {
            connect(field, &QLineEdit::textChanged, this,
                    [this](const QString& text) { Report("typed " + text); });
        }
        setAutoFillBackground(true);
        setFixedSize(360, 200);
        move(0, 0);
    }

    void Start() { Show(1); }

  private:
    void Show(int screen) {
        mScreen = screen;
        static const char* const kColours[] = {"#ffe0e0", "#e0ffe0", "#e0e0ff", "#ffffd0"};
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor(kColours[(screen - 1) % 4]));
        setPalette(colours);
        mHeading.setText(QString("Screen %1").arg(screen));
        mStack.setCurrentIndex(std::min(screen, 3) - 1);
        if (screen == 3) {
            mName.setFocus();
        }
        QTimer::singleShot(0, this, [this, screen] {
            QStringList lines;
            // The controls shown, the ones named: the fields and buttons.
            for (QWidget* control : findChildren<QWidget*>()) {
                if (!control->isVisible() || control->accessibleName().isEmpty()) {
                    continue;
                }
                const QRect box(control->mapTo(this, QPoint(0, 0)), control->size());
                lines << QString::asprintf("control %s %d,%d,%d,%d",
                                           qPrintable(control->accessibleName()), box.x(), box.y(),
                                           box.width(), box.height());
            }
            Report((lines << QString("screen %1").arg(screen)).join('\n'));
        });
    }

    void Report(const QString& line) {
        repaint();
        SyncWithServer();
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    }

    int mScreen = 0;
    QLabel mHeading;
    QStackedWidget mStack;
    QLineEdit mName;
    QLineEdit mPassword;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // A blinking cursor would make two screens of one.
    QApplication::setCursorFlashTime(0);
    Screens screens;
    screens.show();
    if (!QTest::qWaitForWindowExposed(&screens)) {
        return 1;
    }
    std::printf("window %llu\n", static_cast<unsigned long long>(screens.winId()));
    std::fflush(stdout);
    screens.Start();
    return QApplication::exec();
}
