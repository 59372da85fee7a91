#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>

#include "BenchDesign.h"
#include "linkcheck/LinkCheck.h"
#include "util/WholeFile.h"

namespace htmlsim::bench {
namespace {

namespace fs = std::filesystem;

class CountingMeasurer : public TextMeasurer {
  public:
    TextExtent Measure(std::string_view text, const TextFont& font) const override {
        return {font.Size * 0.6 * static_cast<double>(text.size()), font.Size * 4 / 3};
    }
};

std::string PageName(int page) {
    return "page" + std::to_string(page) + ".html";
}

// Page k has a screenshot with a map of five areas (on to the next two pages, back, to the
// first page and to page k / 2) and an anchor to the next page; the last page leads back.
std::string GeneratedPage(int page, int pages) {
    auto area = [](int left, const std::string& link) {
        return "<AREA SHAPE='rect' COORDS='" + std::to_string(left) + ",10," +
               std::to_string(left + 40) + ",50' Title='Go' HREF='" + link + "'/> \r\n";
    };
    const std::string next = PageName(std::min(page + 1, pages - 1));
    const std::string images =
        "<IMG SRC='shot" + std::to_string(page) +
        ".png' Name='Map1' BORDER='0' Width='800' Height='600' STYLE='position:absolute; "
        "left:0px; top:0px' UseMap='#Map1'/>\r\n<map name='Map1'>\r\n" +
        area(10, next) + area(60, PageName(std::min(page + 2, pages - 1))) +
        area(110, "javascript:history.back()") + area(160, PageName(0)) +
        area(210, PageName(page / 2)) + "</map>\r\n";
    const std::string anchors =
        "<a href='" + next + "' style='position:absolute; left:20px; top:620px'>Next</a>\r\n";
    std::string document = "<HTML>\r\n<BODY>\r\n";
    for (const auto& [name, body] : {std::pair<std::string, std::string>{"CanvasScript_Top", ""},
                                     {"Images", images},
                                     {"Labels", ""},
                                     {"Anchors", anchors},
                                     {"Inputs", ""},
                                     {"Balloons", ""}}) {
        document += "<!-- Section: " + name + " -->\r\n" + body + "<!-- Section End -->\r\n";
    }
    return document + "</BODY>\r\n</HTML>\r\n";
}

void BM_CheckLinks(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const fs::path folder = fs::temp_directory_path() / "htmlsim-linkcheck-bench";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (int page = 0; page < pages; ++page) {
        WriteWholeFileAtomically((folder / PageName(page)).string(), GeneratedPage(page, pages));
    }
    AnyPictures pictures;
    const CountingMeasurer measurer;
    for (auto _ : state) {
        const LinkReport report =
            CheckLinks((folder / PageName(0)).string(), {pictures, &measurer});
        if (report.graph.pages.size() != static_cast<size_t>(pages) || !report.problems.empty()) {
            state.SkipWithError("the generated simulation was not walked whole and clean");
        }
    }
    state.counters["pages"] = pages;
    fs::remove_all(folder);
}
BENCHMARK(BM_CheckLinks)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace htmlsim::bench
