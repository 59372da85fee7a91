#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "BenchDesign.h"
#include "FakeTextMeasurer.h"
#include "PageDocument.h"
#include "TempFolder.h"
#include "linkcheck/LinkCheck.h"

namespace htmlsim::bench {
namespace {

// A valid 1 x 1 PNG: the pages give their pictures' sizes themselves.
const std::string kPixelPng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00"
    "\x00\x01\x00\x00\x00\x01\x08\x06\x00\x00\x00\x1f\x15\xc4\x89\x00\x00\x00"
    "\x0b\x49\x44\x41\x54\x78\x9c\x63\xf8\x0f\x04\x00\x09\xfb\x03\xfd\xfb\x5e"
    "\x6b\x2b\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82",
    68);

std::string Area(const std::string& coords, const std::string& href) {
    return "<AREA SHAPE='rect' COORDS='" + coords + "' Title='Go' HREF='" + href + "'/> \r\n";
}

// page0.html to page<pages - 1>.html, each with its picture and five areas (on to the next two
// pages, back, to the first page and to page k / 2) and an anchor to the next page; the last page
// leads to itself. Every page is reached, none has a problem.
void WriteGeneratedSimulation(const std::filesystem::path& folder, int pages) {
    const auto name = [pages](int page) {
        return "page" + std::to_string(std::min(page, pages - 1));
    };
    for (int page = 0; page < pages; ++page) {
        const std::string next = name(page + 1) + ".html";
        const std::string areas = Area("10,10,50,50", next) +
                                  Area("60,10,100,50", name(page + 2) + ".html") +
                                  Area("110,10,150,50", "javascript:history.back()") +
                                  Area("160,10,200,50", name(0) + ".html") +
                                  Area("210,10,250,50", name(page / 2) + ".html");
        testing::WriteFileBytes(folder / (name(page) + ".png"), kPixelPng);
        testing::WriteFileBytes(
            folder / (name(page) + ".html"),
            testing::PageDocument(
                {{"CanvasScript_Top", ""},
                 {"Images", "<IMG SRC='" + name(page) +
                                ".png' Width='400' Height='300' STYLE='position:absolute; "
                                "left:0px; top:0px' UseMap='#Map1'/>\r\n<map name='Map1'>\r\n" +
                                areas + "</map>\r\n"},
                 {"Labels", ""},
                 {"Anchors", "<a href='" + next +
                                 "' style='position:absolute; left:20px; top:320px'>Next</a>\r\n"},
                 {"Inputs", ""},
                 {"Balloons", ""}}));
    }
}

void BM_CheckLinks(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    testing::TempFolder folder;
    WriteGeneratedSimulation(folder.Path(), pages);
    AnyPictures pictures;
    const testing::FakeTextMeasurer measurer;
    for (auto _ : state) {
        const LinkReport report = CheckLinks(folder.File("page0.html"), {pictures, &measurer});
        if (report.graph.pages.size() != static_cast<size_t>(pages) || !report.problems.empty()) {
            state.SkipWithError("the generated simulation was not walked whole and clean");
        }
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_CheckLinks)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace htmlsim::bench
