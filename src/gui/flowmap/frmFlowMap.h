#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "linkcheck/LinkReport.h"

class QGraphicsView;
class QTreeWidget;

namespace htmlsim {
class Dialogs;
}

namespace htmlsim::gui {

class FlowMapScene;

// The result of "Check Links": the flow map of the simulation over the list of problems,
// with the map's export as a picture and as a Graphviz file.
class frmFlowMap : public QWidget {
    Q_OBJECT
  public:
    frmFlowMap(LinkReport report, Dialogs& dialogs, QWidget* parent = nullptr);

    FlowMapScene& Scene() const { return *mScene; }
    QGraphicsView* View() const { return mView; }
    QTreeWidget* ProblemList() const { return mProblems; }
    // Called with a page's full path when its node is double-clicked.
    std::function<void(const std::string& path)> OpenPage;

    // Both write the file whole or not at all; false, with a message, when they cannot.
    bool ExportPng(const std::string& path);
    bool ExportDot(const std::string& path);

  protected:
    // Ctrl and the mouse wheel zoom the map.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FillProblems();
    void AskAndExport(const char* title, const char* filter, bool png);
    bool WriteFile(const std::string& path, const QByteArray& bytes);

    LinkReport mReport;
    Dialogs& mDialogs;
    FlowMapScene* mScene = nullptr;
    QGraphicsView* mView = nullptr;
    QTreeWidget* mProblems = nullptr;
};

}  // namespace htmlsim::gui
