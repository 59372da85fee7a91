#include <gtest/gtest.h>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "recovery/ScriptedEditor.h"

// Widgets need a QApplication; the offscreen platform lets the tests (and ctest's discovery at
// build time) run without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("htmlsim");
    QApplication::setOrganizationName("htmlsim");
    // The tests' settings (recent files) never touch the user's.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    if (argc > 1 && qstrcmp(argv[1], htmlsim::gui::testing::kScriptedEditorOption) == 0) {
        return htmlsim::gui::testing::RunScriptedEditor(QApplication::arguments().mid(2));
    }
    // Nor their recovery copies (a scripted editor gets the folder its test chose).
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
