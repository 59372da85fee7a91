#include "LinkSimulation.h"

#include <algorithm>
#include <string>

#include "PageDocument.h"
#include "TempFolder.h"

namespace htmlsim::testing {

namespace {

// A valid 1 x 1 PNG: the pages give their pictures' sizes themselves.
const std::string kPixelPng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00"
    "\x00\x01\x00\x00\x00\x01\x08\x06\x00\x00\x00\x1f\x15\xc4\x89\x00\x00\x00"
    "\x0b\x49\x44\x41\x54\x78\x9c\x63\xf8\x0f\x04\x00\x09\xfb\x03\xfd\xfb\x5e"
    "\x6b\x2b\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82",
    68);

std::string MapImage(const std::string& picture, const std::string& areas) {
    return "<IMG SRC='" + picture +
           "' Name='Map1' BORDER='0' Width='400' Height='300' STYLE='position:absolute; "
           "left:0px; top:0px' UseMap='#Map1'/>\r\n<map name='Map1'>\r\n" +
           areas + "</map>\r\n";
}

std::string Area(const std::string& coords, const std::string& title, const std::string& href) {
    return "<AREA SHAPE='rect' COORDS='" + coords + "' Title='" + title + "'" +
           (href.empty() ? "" : " HREF='" + href + "'") + "/> \r\n";
}

void WritePage(const std::filesystem::path& folder, const std::string& name,
               const std::string& images, const std::string& canvasTop = "",
               const std::string& anchors = "") {
    WriteFileBytes(folder / (name + ".png"), kPixelPng);
    WriteFileBytes(folder / (name + ".html"), PageDocument({{"CanvasScript_Top", canvasTop},
                                                            {"Images", images},
                                                            {"Labels", ""},
                                                            {"Anchors", anchors},
                                                            {"Inputs", ""},
                                                            {"Balloons", ""}}));
}

}  // namespace

void WriteFlawedSimulation(const std::filesystem::path& folder) {
    const std::filesystem::path flawed = std::filesystem::path(HTMLSIM_TEST_SUPPORT_DIR) /
                                         "../corpus/check/one-problem-of-each-kind";
    for (const char* page : {"start", "next", "dead", "orphan"}) {
        for (const char* extension : {".html", ".png"}) {
            std::filesystem::copy_file(flawed / (page + std::string(extension)),
                                       folder / (page + std::string(extension)));
        }
    }
}

void WriteGeneratedSimulation(const std::filesystem::path& folder, int pages) {
    const auto name = [pages](int page) {
        return "page" + std::to_string(std::min(page, pages - 1));
    };
    for (int page = 0; page < pages; ++page) {
        const std::string next = name(page + 1) + ".html";
        WritePage(
            folder, name(page),
            MapImage(name(page) + ".png",
                     Area("10,10,50,50", "Go", next) +
                         Area("60,10,100,50", "Go", name(page + 2) + ".html") +
                         Area("110,10,150,50", "Go", "javascript:history.back()") +
                         Area("160,10,200,50", "Go", name(0) + ".html") +
                         Area("210,10,250,50", "Go", name(page / 2) + ".html")),
            "",
            "<a href='" + next + "' style='position:absolute; left:20px; top:320px'>Next</a>\r\n");
    }
}

}  // namespace htmlsim::testing
