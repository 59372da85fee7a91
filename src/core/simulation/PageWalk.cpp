#include "simulation/PageWalk.h"

#include <filesystem>
#include <set>
#include <vector>

#include "components/FileHelper.h"
#include "util/LinkTarget.h"
#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

std::string NormalPath(const std::string& path) {
    return std::filesystem::path(path).lexically_normal().generic_string();
}

// A page walked, with the clickable areas of its first image still to follow.
struct Visit {
    std::string folder;
    std::vector<ClickableArea> links;
    size_t next = 0;
};

class Walk {
  public:
    Walk(WalkPageReader& reader, SimulationProgress& progress, const WalkedPageHandler& onPage)
        : mReader(reader), mProgress(progress), mOnPage(onPage) {}

    SimulationScript Run(const std::string& startPath) {
        // An explicit stack rather than recursion: a long chain of pages must not exhaust the
        // program's stack.
        std::vector<Visit> visits;
        visits.push_back(VisitPage(NormalPath(startPath), ""));
        while (!visits.empty()) {
            Visit& visit = visits.back();
            if (visit.next == visit.links.size()) {
                visits.pop_back();
                continue;
            }
            const std::string link = visit.links[visit.next++].LinkAddress;
            // Only links to page files lead on: not an empty link, a link within the page or
            // one with a scheme (another site, mail, script); the back link leads to a page
            // walked.
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
        mScript.ResolveTargets();
        return std::move(mScript);
    }

  private:
    Visit VisitPage(const std::string& path, const std::string& link) {
        mProgress.ReadingPage(mScript.SimPageCount(), path);
        const PageDesign* design = nullptr;
        try {
            design = &mReader.ReadPage(path);
        } catch (const std::exception& failure) {
            const std::string what = link.empty() ? "The page '" + path : "The link '" + link;
            throw RuntimeError(what + "' cannot be opened: " + failure.what() + ".");
        }
        mOpened.insert(path);

        const PathParts parts = FileHelper::SplitPath(path);
        Visit visit{parts.folder, {}};
        for (const ClickableAreaPtr& area : design->Areas) {
            if (area->AreaType == kAreaClickable && area->ImageID == 1) {
                visit.links.push_back(*area);
            }
        }
        mScript.AddPage(parts.name, design->ImageCount() > 0 ? design->Image(1).SRC : "",
                        parts.name + "." + parts.extension, visit.links);
        if (mOnPage) {
            mOnPage(mScript.SimPages.back(), path, *design);
        }
        return visit;
    }

    WalkPageReader& mReader;
    SimulationProgress& mProgress;
    const WalkedPageHandler& mOnPage;
    SimulationScript mScript;
    // Full paths already opened: links with a folder part never match a recorded file name, so
    // without this a cycle through them would never end.
    std::set<std::string> mOpened;
};

}  // namespace

SimulationScript WalkPages(const std::string& startPath, WalkPageReader& reader,
                           SimulationProgress& progress, const WalkedPageHandler& onPage) {
    return Walk(reader, progress, onPage).Run(startPath);
}

}  // namespace htmlsim
