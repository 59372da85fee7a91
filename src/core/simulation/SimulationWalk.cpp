#include "simulation/SimulationWalk.h"

#include <filesystem>
#include <optional>
#include <utility>

#include "components/FileHelper.h"
#include "import/DocumentImport.h"
#include "services/NoSurface.h"
#include "util/LinkTarget.h"
#include "util/RuntimeError.h"
#include "util/WholeFile.h"

namespace htmlsim {

namespace {

constexpr const char* kScriptFileName = "Sim.js";

// While the walk opens page after page, the window keeps showing the starting page: the
// session reads each page into a design of its own, paints into nothing and tells the window
// nothing, so the surface neither flickers nor takes the mouse. Pictures are still decoded, so
// each page reads as it would in the editor.
class WindowLeftAlone {
  public:
    explicit WindowLeftAlone(Session& session)
        : mSession(session),
          mView(session.View()),
          mSurface(session.DesignSurface()),
          mShownDesign(std::move(session.Design())) {
        mSession.Design() = PageDesign();
        mSession.AttachDesignServices(mNoSurface, mSession.GetPictures());
        mSession.SetView(nullptr);
        mSession.SetLoadingSection(true);
    }
    ~WindowLeftAlone() {
        mSession.SetLoadingSection(false);
        mSession.SetView(&mView);
        mSession.AttachDesignServices(mSurface, mSession.GetPictures());
        mSession.Design() = std::move(mShownDesign);
    }
    WindowLeftAlone(const WindowLeftAlone&) = delete;
    WindowLeftAlone& operator=(const WindowLeftAlone&) = delete;

  private:
    Session& mSession;
    SessionView& mView;
    Surface& mSurface;
    PageDesign mShownDesign;
    NoSurface mNoSurface;
};

class BusyWindow {
  public:
    explicit BusyWindow(SessionView& view) : mView(view) { mView.SetBusy(true); }
    ~BusyWindow() { mView.SetBusy(false); }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

  private:
    SessionView& mView;
};

std::string NormalPath(const std::string& path) {
    return std::filesystem::path(path).lexically_normal().generic_string();
}

}  // namespace

// A page walked, with the clickable areas of its first image still to follow.
struct SimulationWalk::Visit {
    std::string folder;
    std::vector<ClickableArea> links;
    size_t next = 0;
};

SimulationWalk::SimulationWalk(Session& session, SimulationProgress& progress)
    : mSession(session), mProgress(progress) {}

bool SimulationWalk::RecordSimulation() {
    Dialogs& dialogs = mSession.GetDialogs();
    if (mSession.DocumentSource() == kFtpDocument) {
        dialogs.Message("Sim.js can only be created for a document in a local or network folder.",
                        "", MessageIcon::Exclamation);
        return false;
    }
    if (!StartDocumentSaved()) {
        return false;
    }
    BusyWindow busy(mSession.View());
    const std::string start = mSession.PathAndName();
    const std::string scriptPath = mSession.PathOnly() + kScriptFileName;
    mScript = SimulationScript();
    mOpened.clear();
    std::optional<std::string> failure;
    {
        WindowLeftAlone quiet(mSession);
        try {
            SimWalk(start);
            mScript.ResolveTargets();
            // Written whole at the end: a walk that stops leaves an older script as it was.
            WriteWholeFileAtomically(scriptPath, mScript.Text());
        } catch (const std::exception& error) {
            failure = error.what();
        }
    }
    mProgress.WalkEnded();
    if (failure) {
        dialogs.Message(*failure, "", MessageIcon::Critical);
    }
    mSession.OpenDocument(start);
    mSession.SwitchTab(mSession.CurrentTab());
    const bool created = !failure;
    if (created) {
        dialogs.Message("Sim.js has been created.");
    }
    return created;
}

// The walk reads the pages from their files: changes not saved yet are saved first, as
// following a link does, and a document that has never been saved has no folder to walk.
bool SimulationWalk::StartDocumentSaved() {
    if (mSession.SectionEdited() || mSession.ChangedSinceSaved()) {
        mSession.SaveCommand();
        if (mSession.SectionEdited() || mSession.ChangedSinceSaved()) {
            return false;  // the save failed and said why, or the user cancelled it
        }
    }
    if (!FileHelper::FileExists(mSession.PathAndName())) {
        mSession.GetDialogs().Message("Save the document before creating Sim.js.", "",
                                      MessageIcon::Exclamation);
        return false;
    }
    return true;
}

void SimulationWalk::SimWalk(const std::string& path) {
    // An explicit stack rather than recursion: a long chain of pages must not exhaust the
    // program's stack.
    std::vector<Visit> visits;
    visits.push_back(VisitPage(NormalPath(path), ""));
    while (!visits.empty()) {
        Visit& visit = visits.back();
        if (visit.next == visit.links.size()) {
            visits.pop_back();
            continue;
        }
        const std::string link = visit.links[visit.next++].LinkAddress;
        // Only links to page files lead on: not an empty link, a link within the page or one
        // with a scheme (another site, mail, script); the back link leads to a page walked.
        if (!LeadsToPage(link) || mScript.SimPageKnown(link)) {
            continue;
        }
        // Seen from the page the link is on, as a browser would.
        const std::string target =
            FileHelper::ResolveLink(visit.folder, std::string(LinkFilePart(link)));
        if (!mOpened.contains(target)) {
            visits.push_back(VisitPage(target, link));
        }
    }
}

SimulationWalk::Visit SimulationWalk::VisitPage(const std::string& path, const std::string& link) {
    mProgress.ReadingPage(mScript.SimPageCount(), path);
    try {
        OpenPage(path);
    } catch (const std::exception& failure) {
        const std::string what = link.empty() ? "The page '" + path : "The link '" + link;
        throw RuntimeError(what + "' cannot be opened: " + failure.what() +
                           ". Sim.js has not been created.");
    }
    mOpened.insert(path);

    PageDesign& design = mSession.Design();
    ImportContext context{design, mSession.DesignSurface(), mSession.GetPictures(),
                          mSession.GetDialogs(), mSession.PathOnly()};
    ImportDocument(mSession.DocumentText(), context);

    Visit visit{mSession.PathOnly(), {}};
    for (const ClickableAreaPtr& area : design.Areas) {
        if (area->AreaType == kAreaClickable && area->ImageID == 1) {
            visit.links.push_back(*area);
        }
    }
    mScript.AddPage(mSession.FileNameOnly(), design.ImageCount() > 0 ? design.Image(1).SRC : "",
                    mSession.FileNameOnly() + "." + mSession.Extension(), visit.links);
    return visit;
}

// The session reports a page it cannot open and carries on with the one it has; the walk must
// stop instead, naming the reason, so that is found before the session opens the page.
void SimulationWalk::OpenPage(const std::string& path) {
    if (FileHelper::FileExists(path) || FileHelper::FolderExists(path)) {
        ReadWholeFile(path);
    } else {
        const std::string folder = FileHelper::SplitPath(path).folder;
        if (!FileHelper::FolderExists(folder)) {
            throw RuntimeError("there is no folder '" + folder + "'");
        }
    }
    mSession.OpenDocument(path);
    if (mSession.PathAndName() != path || !FileHelper::FileExists(path)) {
        throw RuntimeError("the page was not opened");
    }
}

}  // namespace htmlsim
