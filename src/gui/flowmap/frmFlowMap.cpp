#include "flowmap/frmFlowMap.h"

#include <QBuffer>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "QtText.h"
#include "flowmap/FlowMapScene.h"
#include "linkcheck/FlowGraphDot.h"
#include "services/Dialogs.h"
#include "util/WholeFile.h"

namespace htmlsim::gui {

namespace {

QString Summary(const LinkReport& report) {
    if (report.problems.empty()) {
        return QString("%1 pages, no problems found.").arg(report.graph.pages.size());
    }
    return QString("%1 pages, %2 problems.")
        .arg(report.graph.pages.size())
        .arg(report.problems.size());
}

}  // namespace

frmFlowMap::frmFlowMap(LinkReport report, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), mReport(std::move(report)), mDialogs(dialogs) {
    setObjectName("frmFlowMap");
    setWindowTitle("Check Links");
    resize(1000, 720);

    mScene = new FlowMapScene(mReport, this);
    mScene->PageOpened = [this](size_t page) {
        const FlowPage& flowPage = mReport.graph.pages[page];
        if (OpenPage && flowPage.state != FlowPageState::Missing) {
            OpenPage(flowPage.path);
        }
    };
    mView = new QGraphicsView(mScene);
    mView->setRenderHint(QPainter::Antialiasing);
    mView->setDragMode(QGraphicsView::ScrollHandDrag);
    mView->setBackgroundBrush(QColor(246, 246, 246));
    mView->setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    mView->viewport()->installEventFilter(this);

    mProblems = new QTreeWidget;
    mProblems->setObjectName("lstProblems");
    mProblems->setHeaderLabels({"Page", "Element", "Problem"});
    mProblems->setRootIsDecorated(false);
    FillProblems();

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(mView);
    splitter->addWidget(mProblems);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);

    auto* exportPng = new QPushButton("Export PNG...");
    auto* exportDot = new QPushButton("Export DOT...");
    connect(exportPng, &QPushButton::clicked, this,
            [this] { AskAndExport("Export Flow Map", "PNG picture|*.png", true); });
    connect(exportDot, &QPushButton::clicked, this,
            [this] { AskAndExport("Export Flow Map", "Graphviz file|*.dot", false); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(Summary(mReport)), 1);
    buttons->addWidget(exportPng);
    buttons->addWidget(exportDot);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
}

bool frmFlowMap::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mView->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const qreal factor = wheel->angleDelta().y() > 0 ? 1.2 : 1 / 1.2;
            mView->scale(factor, factor);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmFlowMap::FillProblems() {
    for (const LinkProblem& problem : mReport.problems) {
        mProblems->addTopLevelItem(new QTreeWidgetItem(
            {ToQPath(problem.page), ToQString(problem.element), ToQString(problem.text)}));
    }
    mProblems->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void frmFlowMap::AskAndExport(const char* title, const char* filter, bool png) {
    const std::string path = mDialogs.SaveFileName({title, filter, 1, "", ""});
    if (path.empty()) {
        return;
    }
    if (png) {
        ExportPng(path);
    } else {
        ExportDot(path);
    }
}

bool frmFlowMap::ExportPng(const std::string& path) {
    // One pixel a scene unit, whatever part of the map the window shows.
    const QRectF whole = mScene->sceneRect();
    QImage image(static_cast<int>(std::ceil(whole.width())),
                 static_cast<int>(std::ceil(whole.height())), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    mScene->render(&painter, QRectF(QPointF(0, 0), whole.size()), whole);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return WriteFile(path, bytes);
}

bool frmFlowMap::ExportDot(const std::string& path) {
    // The DOT text never becomes Qt text: it goes to the file as the core wrote it.
    try {
        WriteWholeFileAtomically(path, FlowGraphDot(mReport));
        return true;
    } catch (const std::exception& failure) {
        mDialogs.Message(failure.what(), "", MessageIcon::Critical);
        return false;
    }
}

bool frmFlowMap::WriteFile(const std::string& path, const QByteArray& bytes) {
    QSaveFile file(ToQPath(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        mDialogs.Message("Cannot write '" + path + "': " + FromQString(file.errorString()), "",
                         MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace htmlsim::gui
