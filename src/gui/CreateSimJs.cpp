#include "CreateSimJs.h"

#include <QCoreApplication>
#include <QProgressDialog>

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

void CreateSimJs(Session& session, QWidget* window) {
    ProgressDialog progress(window);
    SimulationWalk(session, progress).RecordSimulation();
}

}  // namespace htmlsim::gui
