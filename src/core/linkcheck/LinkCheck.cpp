#include "linkcheck/LinkCheck.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <filesystem>
#include <set>
#include <tuple>
#include <unordered_map>

#include "components/FileHelper.h"
#include "import/ImageImport.h"
#include "linkcheck/CollectingDialogs.h"
#include "linkcheck/ImportedPage.h"
#include "linkcheck/PageLinks.h"
#include "text/DocumentCodec.h"
#include "util/LinkTarget.h"
#include "util/RuntimeError.h"
#include "util/Text.h"
#include "util/WholeFile.h"

namespace fs = std::filesystem;

namespace htmlsim {

namespace {

// Pages are known by their real path, so a link through a symbolic link that loops back into
// its own folder cannot lead the walk on forever.
std::string PageKey(const fs::path& path) {
    std::error_code error;
    const fs::path resolved = fs::weakly_canonical(path, error);
    return (error ? path : resolved).generic_string();
}

class LinkWalk {
  public:
    LinkWalk(const std::string& startPath, const LinkCheckServices& services)
        : mStart(fs::absolute(fs::path(startPath)).lexically_normal()),
          mFolder(mStart.parent_path()),
          mExtension(FileHelper::SplitPath(mStart.generic_string()).extension),
          mServices(services) {}

    LinkReport Run() {
        if (!fs::is_regular_file(mStart)) {
            throw RuntimeError("The page '" + mStart.generic_string() + "' does not exist.");
        }
        mQueue.push_back(PageFor(mStart, FlowPageState::Walked));
        while (!mQueue.empty()) {
            const size_t page = mQueue.front();
            mQueue.pop_front();
            Visit(page);
        }
        FindOrphans();
        return std::move(mReport);
    }

  private:
    std::string NameOf(const fs::path& path) const {
        const fs::path relative = path.lexically_relative(mFolder);
        return relative.empty() ? path.generic_string() : relative.generic_string();
    }

    bool IsPageFile(const fs::path& path) const {
        return EqualsIgnoreCase(FileHelper::SplitPath(path.generic_string()).extension, mExtension);
    }

    // The node of a path, made on first sight; a walked page is queued once.
    size_t PageFor(const fs::path& path, FlowPageState state) {
        const std::string key = PageKey(path);
        const auto known = mPages.find(key);
        if (known != mPages.end()) {
            return known->second;
        }
        const size_t index = mReport.graph.pages.size();
        mReport.graph.pages.push_back({path.generic_string(), NameOf(path), "", state});
        mPages.emplace(key, index);
        if (state == FlowPageState::Walked && index > 0) {
            mQueue.push_back(index);
        }
        return index;
    }

    void AddLink(size_t from, size_t to, const std::string& clickType) {
        if (mLinks.emplace(from, to, clickType).second) {
            mReport.graph.links.push_back({from, to, clickType});
        }
    }

    void Visit(size_t index) {
        const std::string path = mReport.graph.pages[index].path;
        const std::string name = mReport.graph.pages[index].name;
        std::string text;
        try {
            text = ReadWholeFile(path);
        } catch (const std::exception& e) {
            mReport.problems.push_back({name, "", LinkProblemKind::Unreadable, e.what()});
            return;
        }
        const size_t firstProblem = mReport.problems.size();
        const std::string folder = fs::path(path).parent_path().generic_string() + "/";
        CollectingDialogs dialogs;
        const ImportedPage page(text, folder, mServices.pictures, mServices.measurer, dialogs);
        for (std::string& message : dialogs.messages) {
            mReport.importNotes.push_back({name, std::move(message)});
        }
        const PageDesign& design = page.Design();
        if (design.ImageCount() > 0) {
            mReport.graph.pages[index].picturePath = LocalPicturePath(folder, design.Image(1).SRC);
        }
        CheckPageDesign(design, name, mReport.problems);
        bool wayOut = false;
        for (const PageLink& link : CollectPageLinks(design, page.Controls())) {
            wayOut = FollowLink(index, name, folder, link) || wayOut;
        }
        if (!wayOut) {
            mReport.problems.push_back(
                {name, "", LinkProblemKind::DeadEnd, "The page has no way forward or back."});
        }
        // What a finding quotes of the page is shown as the page's editor shows it.
        const DocumentCodec codec(text);
        for (size_t k = firstProblem; k < mReport.problems.size(); ++k) {
            mReport.problems[k].element = codec.Decode(mReport.problems[k].element);
            mReport.problems[k].text = codec.Decode(mReport.problems[k].text);
        }
    }

    // Records where the link leads; true when it leads anywhere at all.
    bool FollowLink(size_t from, const std::string& name, const std::string& folder,
                    const PageLink& link) {
        const std::string_view address = TrimBlanks(link.address);
        if (address.empty()) {
            return false;
        }
        if (IsBackLink(address)) {
            return true;
        }
        if (!LeadsToPage(address)) {
            mReport.problems.push_back(
                {name, link.element, LinkProblemKind::External,
                 "The link leads outside the simulation: '" + std::string(address) + "'."});
            return true;
        }
        const std::string_view file = LinkFilePart(address);
        const fs::path target(FileHelper::ResolveLink(folder, std::string(file)));
        if (!fs::is_regular_file(target)) {
            AddLink(from, PageFor(target, FlowPageState::Missing), link.clickType);
            mReport.problems.push_back(
                {name, link.element, LinkProblemKind::MissingFile,
                 "The link leads to a missing file: '" + std::string(address) + "'."});
        } else if (IsPageFile(target)) {
            AddLink(from, PageFor(target, FlowPageState::Walked), link.clickType);
        }
        return true;
    }

    void FindOrphans() {
        std::error_code error;
        std::vector<fs::path> orphans;
        for (const fs::directory_entry& entry : fs::directory_iterator(mFolder, error)) {
            const fs::path path = entry.path().lexically_normal();
            if (entry.is_regular_file(error) && IsPageFile(path) &&
                !mPages.contains(PageKey(path))) {
                orphans.push_back(path);
            }
        }
        std::ranges::sort(orphans);
        for (const fs::path& path : orphans) {
            const size_t index = PageFor(path, FlowPageState::Orphan);
            mReport.problems.push_back({mReport.graph.pages[index].name, "",
                                        LinkProblemKind::Orphan, "No page links to this page."});
        }
    }

    const fs::path mStart;
    const fs::path mFolder;
    const std::string mExtension;
    const LinkCheckServices& mServices;
    LinkReport mReport;
    std::unordered_map<std::string, size_t> mPages;
    std::set<std::tuple<size_t, size_t, std::string>> mLinks;
    std::deque<size_t> mQueue;
};

}  // namespace

LinkReport CheckLinks(const std::string& startPath, const LinkCheckServices& services) {
    return LinkWalk(startPath, services).Run();
}

}  // namespace htmlsim
