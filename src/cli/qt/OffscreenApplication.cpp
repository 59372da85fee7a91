#include "OffscreenApplication.h"

#include <QApplication>

namespace htmlsim::cli {

OffscreenApplication::OffscreenApplication() {
    if (QCoreApplication::instance()) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "htmlsim-cli";
    static char* argv[] = {name, nullptr};
    // Kept until the process ends: tearing Qt down among static destructors is not safe.
    new QApplication(argc, argv);
}

}  // namespace htmlsim::cli
