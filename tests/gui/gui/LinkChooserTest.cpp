#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "QtDialogs.h"
#include "TempFolder.h"

namespace htmlsim::gui::testing {
namespace {

// The desktop's save chooser, as the link's "..." opens it: an existing page is taken as it is,
// with no question about replacing it; the chooser writes nothing.
TEST(LinkChooser, TakesAnExistingPageWithoutAskingToReplaceIt) {
    htmlsim::testing::TempFolder folder;
    htmlsim::testing::WriteFileBytes(folder.File("next.html"), "kept");
    int chosen = 0;
    int asked = 0;
    bool accepting = false;  // the chooser's accept is queued and has not returned yet
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            ++asked;
            box->reject();
        } else if (auto* chooser = qobject_cast<QFileDialog*>(modal); chooser && !accepting) {
            if (chosen++ == 0) {
                chooser->selectFile(QString::fromStdString(folder.File("next.html")));
                // As its Save button does, once this poll has returned: a question it asks
                // must find the poll running.
                accepting = true;
                QTimer::singleShot(0, chooser, [chooser, &accepting] {
                    static_cast<QDialog*>(chooser)->accept();
                    accepting = false;
                });
            } else {
                chooser->reject();  // still open after a question: leave it
            }
        }
    });
    answer.start(5);
    FileDialogRequest request;
    request.filter = "HTML Documents|*.html;*.htm";
    request.initialFolder = folder.Path().string();
    request.confirmOverwrite = false;
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.SaveFileName(request), folder.File("next.html"));
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(htmlsim::testing::ReadFileBytes(folder.File("next.html")), "kept");
}

}  // namespace
}  // namespace htmlsim::gui::testing
