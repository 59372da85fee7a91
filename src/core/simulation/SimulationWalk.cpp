#include "simulation/SimulationWalk.h"

#include <optional>
#include <utility>

#include "components/FileHelper.h"
#include "import/DocumentImport.h"
#include "services/NoSurface.h"
#include "simulation/PageWalk.h"
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

// Opens each page in the session as the user would: a missing page in an existing folder is
// created from the template, as following its link would.
class SessionPageReader : public WalkPageReader {
  public:
    explicit SessionPageReader(Session& session) : mSession(session) {}

    const PageDesign& ReadPage(const std::string& path) override {
        OpenPage(path);
        PageDesign& design = mSession.Design();
        ImportContext context{design, mSession.DesignSurface(), mSession.GetPictures(),
                              mSession.GetDialogs(), mSession.PathOnly()};
        ImportDocument(mSession.SharedDocumentText(), context);
        return design;
    }

  private:
    // The session reports a page it cannot open and carries on with the one it has; the walk
    // must stop instead, naming the reason, so that is found before the session opens the page.
    void OpenPage(const std::string& path) {
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

    Session& mSession;
};

}  // namespace

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
    std::optional<std::string> failure;
    {
        WindowLeftAlone quiet(mSession);
        try {
            SessionPageReader reader(mSession);
            mScript = WalkPages(start, reader, mProgress);
        } catch (const std::exception& error) {
            failure = std::string(error.what()) + " Sim.js has not been created.";
        }
        try {
            // Written whole at the end: a walk that stops leaves an older script as it was.
            if (!failure) {
                WriteWholeFileAtomically(scriptPath, mScript.Text());
            }
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

}  // namespace htmlsim
