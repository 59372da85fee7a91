#include <QApplication>
#include <QMainWindow>

#include "Version.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("htmlsim");
    QApplication::setApplicationVersion(htmlsim::kVersion);
    QMainWindow window;
    window.setWindowTitle("htmlsim");
    window.show();
    return QApplication::exec();
}
