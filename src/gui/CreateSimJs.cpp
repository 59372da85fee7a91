#include "CreateSimJs.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QProgressDialog>
#include <QStatusBar>

#include "QtText.h"
#include "simulation/SimulationWalk.h"

namespace htmlsim::gui {

namespace {

class ProgressDialog : public SimulationProgress {
  public:
    explicit ProgressDialog(QWidget* window) : mDialog(window) {
        mDialog.setObjectName("dlgSimulationProgress");
        mDialog.setWindowTitle("Create Sim.js");
        mDialog.setCancelButton(nullptr);
        mDialog.setRange(0, 0);
        mDialog.setWindowModality(Qt::WindowModal);
    }

    void ReadingPage(int pagesVisited, const std::string& path) override {
        mDialog.setLabelText(
            QString("Pages visited: %1\nReading %2").arg(pagesVisited).arg(ToQPath(path)));
        mDialog.show();
        // Shows the dialog's change; the window itself is not repainted page by page.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    void WalkEnded() override { mDialog.hide(); }

  private:
    QProgressDialog mDialog;
};

}  // namespace

void CreateSimJs(Session& session, QMainWindow& window) {
    ProgressDialog progress(&window);
    if (SimulationWalk(session, progress).RecordSimulation()) {
        // The walk has opened the starting page again: the script lies beside it.
        window.statusBar()->showMessage("Created '" + ToQPath(session.PathOnly() + "Sim.js") + "'");
    }
}

}  // namespace htmlsim::gui
