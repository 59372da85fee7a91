#include "publish/Publish.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <string_view>

#include "components/FileHelper.h"
#include "linkcheck/LinkCheck.h"
#include "publish/MarkupText.h"
#include "publish/PictureNames.h"
#include "publish/PlayerFiles.h"
#include "publish/ZipArchive.h"
#include "simulation/FilePageReader.h"
#include "simulation/PageWalk.h"
#include "util/LinkTarget.h"
#include "util/RuntimeError.h"
#include "util/WholeFile.h"

namespace fs = std::filesystem;

namespace htmlsim {

namespace {

constexpr const char* kManifestName = "imsmanifest.xml";

PublishedBox RelativeBox(const ClickableArea& area, const PublishedBox& place) {
    return {area.Left - place.left, area.Top - place.top, area.Width, area.Height};
}

// The template with its placeholders ("{{NAME}}") filled in one pass, so that nothing a value
// holds is taken for a placeholder.
std::string Filled(std::string_view text, const std::map<std::string, std::string>& values) {
    std::string filled;
    size_t from = 0;
    for (size_t at = text.find("{{"); at != std::string_view::npos; at = text.find("{{", from)) {
        const size_t end = text.find("}}", at);
        const auto value = end == std::string_view::npos
                               ? values.end()
                               : values.find(std::string(text.substr(at + 2, end - at - 2)));
        filled += text.substr(from, at - from);
        if (value == values.end()) {
            filled += "{{";
            from = at + 2;
        } else {
            filled += value->second;
            from = end + 2;
        }
    }
    return filled + std::string(text.substr(from));
}

// The data inside the player's page as well, so that it runs from file://, where a browser will
// not fetch a file beside the page. "<" is escaped so that nothing in it can end the script.
std::string InlineJson(const std::string& json) {
    std::string escaped;
    for (const char c : json) {
        escaped += c == '<' ? std::string("\\u003c") : std::string(1, c);
    }
    return escaped;
}

std::string FolderOf(const std::string& path) {
    return fs::path(path).parent_path().generic_string() + "/";
}

bool Refuse(const std::vector<std::string>& problems, Dialogs& dialogs) {
    std::string text = "The simulation cannot be published:";
    for (const std::string& problem : problems) {
        text += "\n" + problem;
    }
    dialogs.Message(text, "", MessageIcon::Exclamation);
    return false;
}

// An XML ID made from a page name: letters, digits, "-", "_" and "." only.
std::string ManifestIdentifier(const std::string& pageName) {
    std::string identifier = "htmlsim-";
    for (const char c : pageName) {
        const bool kept =
            std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.';
        identifier += kept ? c : '-';
    }
    return identifier;
}

// The simulation as the walk reads it from the files, and what keeps it from being published.
class PublishWalk {
  public:
    PublishWalk(const std::string& startPath, Pictures& pictures)
        : mFolder(FolderOf(startPath)), mPictureNames(mFolder), mReader(pictures) {
        NoSimulationProgress progress;
        mScript = WalkPages(startPath, mReader, progress,
                            [this](const SimPage& page, const std::string& path,
                                   const PageDesign& design) { AddPage(page, path, design); });
        for (PublishedPage& page : mPages) {
            AddAreas(page);
            // Sim.js in the package names the pictures as the package holds them.
            mScript.SimPages[page.number - 1].picture = page.picture;
        }
    }

    std::vector<PublishedPage>& Pages() { return mPages; }
    const SimulationScript& Script() const { return mScript; }
    const std::vector<PackagedPicture>& Pictures() const { return mPictureNames.Pictures(); }
    const std::vector<std::string>& Problems() const { return mProblems; }

  private:
    void AddPage(const SimPage& simPage, const std::string& path, const PageDesign& design) {
        mPagePaths.push_back(fs::path(path).lexically_normal());
        PublishedPage page;
        page.number = simPage.number;
        page.name = simPage.name;
        const std::string name = fs::path(path).lexically_relative(mFolder).generic_string();
        if (design.ImageCount() == 0) {
            mProblems.push_back(name + ": The page has no picture.");
        } else if (!design.Image(1).PCT) {
            mProblems.push_back(name + ": The picture '" + design.Image(1).SRC +
                                "' cannot be read.");
        } else {
            const ImageProperties& image = design.Image(1);
            page.picture = mPictureNames.NameOf(image.PathAndName());
            page.naturalWidth = image.PictureWidth;
            page.naturalHeight = image.PictureHeight;
            page.place = {image.Left, image.Top, image.Width > 0 ? image.Width : image.PictureWidth,
                          image.Height > 0 ? image.Height : image.PictureHeight};
            for (const ClickableAreaPtr& area : design.Areas) {
                if (area->AreaType == kAreaBalloon && area->ImageID == 1) {
                    const BalloonText& text = area->Balloon();
                    page.balloons.push_back({RelativeBox(*area, page.place), text.InnerHTML,
                                             text.BackgroundColor, text.BorderRadius});
                }
            }
        }
        mPages.push_back(std::move(page));
    }

    // The walk knows where each area leads only once every page is read. Sim.js finds a link's
    // page by its file name alone, so a link with a folder part leads nowhere there; the player
    // follows it as a browser would, from the page it is on.
    void AddAreas(PublishedPage& page) const {
        const std::string folder = mPagePaths[page.number - 1].parent_path().generic_string();
        for (const ClickableArea& area : mScript.SimAreas) {
            if (area.PageNumber == page.number) {
                page.areas.push_back({RelativeBox(area, page.place), area.ClickType(), area.Title,
                                      area.LinkAddress, TargetOf(folder, area)});
            }
        }
    }

    int TargetOf(const std::string& folder, const ClickableArea& area) const {
        if (area.TargetPage < 0 || !LeadsToPage(area.LinkAddress)) {
            return area.TargetPage;
        }
        const std::string link(LinkFilePart(area.LinkAddress));
        const fs::path target =
            fs::path(FileHelper::ResolveLink(folder + "/", link)).lexically_normal();
        const auto page = std::find(mPagePaths.begin(), mPagePaths.end(), target);
        return page == mPagePaths.end() ? 0 : static_cast<int>(page - mPagePaths.begin()) + 1;
    }

    std::string mFolder;
    PictureNames mPictureNames;
    FilePageReader mReader;
    SimulationScript mScript;
    std::vector<PublishedPage> mPages;
    std::vector<fs::path> mPagePaths;  // by page number - 1
    std::vector<std::string> mProblems;
};

std::vector<std::string> MissingPages(const std::string& startPath, Pictures& pictures) {
    std::vector<std::string> missing;
    for (const LinkProblem& problem : CheckLinks(startPath, {pictures}).problems) {
        if (problem.kind == LinkProblemKind::MissingFile) {
            missing.push_back(problem.page + ": " + problem.text);
        }
    }
    return missing;
}

std::vector<PackageFile> PackageFiles(const PublishRequest& request, PublishWalk& walk) {
    PublishedSimulation simulation{request.settings, std::move(walk.Pages())};
    simulation.settings.scorm = ScormVersionText(request.scorm);
    if (simulation.settings.title.empty()) {
        simulation.settings.title = walk.Script().SimPages[0].name;
    }
    const std::string json = SimulationJson(simulation);
    const std::string escapedTitle = MarkupEscaped(simulation.settings.title);
    std::vector<PackageFile> files;
    for (const PlayerFile& file : EmbeddedPlayerFiles()) {
        const bool page = file.name == "index.html";
        files.push_back({file.name, page ? Filled(file.bytes, {{"TITLE", escapedTitle},
                                                               {"SIMULATION", InlineJson(json)}})
                                         : std::string(file.bytes)});
    }
    files.push_back({"simulation.json", json});
    files.push_back({"Sim.js", walk.Script().Text()});
    for (const PackagedPicture& picture : walk.Pictures()) {
        files.push_back({picture.name, ReadWholeFile(picture.path)});
    }
    if (request.scorm != ScormVersion::None) {
        std::vector<std::string> names;
        for (const PackageFile& file : files) {
            names.push_back(file.name);
        }
        std::sort(names.begin(), names.end());
        files.push_back(
            {kManifestName,
             ScormManifest(request.scorm, ManifestIdentifier(walk.Script().SimPages[0].name),
                           simulation.settings.title, simulation.settings.passPercent, names)});
    }
    return files;
}

void WritePackage(const PublishRequest& request, std::vector<PackageFile> files) {
    const fs::path out(request.outFolder);
    for (const PackageFile& file : files) {
        const fs::path path = out / file.name;
        fs::create_directories(path.parent_path());
        WriteWholeFileAtomically(path.string(), file.bytes);
    }
    if (request.zip || request.scorm != ScormVersion::None) {
        WriteZipArchive((out / kPublishedZipName).string(), std::move(files));
    }
}

bool SameFolder(const std::string& a, const std::string& b) {
    std::error_code error;
    return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

}  // namespace

bool PublishSimulation(const PublishRequest& request, Pictures& pictures, Dialogs& dialogs) {
    try {
        if (SameFolder(request.outFolder, FolderOf(request.startPath))) {
            dialogs.Message("Publish into a folder of its own, not the simulation's folder.", "",
                            MessageIcon::Exclamation);
            return false;
        }
        // The walk stops at the first missing page; the link check finds them all.
        const std::vector<std::string> missing = MissingPages(request.startPath, pictures);
        if (!missing.empty()) {
            return Refuse(missing, dialogs);
        }
        PublishWalk walk(request.startPath, pictures);
        if (!walk.Problems().empty()) {
            return Refuse(walk.Problems(), dialogs);
        }
        WritePackage(request, PackageFiles(request, walk));
        return true;
    } catch (const std::exception& failure) {
        dialogs.Message(failure.what(), "", MessageIcon::Critical);
        return false;
    }
}

}  // namespace htmlsim
