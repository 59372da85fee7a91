#include <benchmark/benchmark.h>

#include <QImage>
#include <filesystem>
#include <string>

#include "CliRunner.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "TempFolder.h"

namespace htmlsim::testing {
namespace {

// `htmlsim-cli simjs` on a chain of 300 pages, each with its own 800 x 600 JPEG and three areas
// (the next page, the way back, the first page): the whole command, process start included.
void SimjsWalksAChainOfThreeHundredPages(benchmark::State& state) {
    constexpr int kPages = 300;
    TempFolder folder;
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    for (int n = 1; n <= kPages; ++n) {
        const std::string page = "p" + std::to_string(n);
        picture.save(QString::fromStdString(folder.File(page + ".jpg")), "JPG");
        const std::string next = n < kPages ? "p" + std::to_string(n + 1) + ".html" : "";
        WriteFileBytes(folder.File(page + ".html"),
                       DesignDocument(MapImage(page + ".jpg", "Map1", 0, 0,
                                               {{"0,0,10,10", next},
                                                {"10,0,20,10", "javascript:history.back()"},
                                                {"20,0,30,10", "p1.html"}})));
    }
    for (auto _ : state) {
        const CliResult result = RunCli({"simjs", "p1.html"}, folder.Path());
        if (result.exitStatus != 0) {
            state.SkipWithError(result.err.c_str());
        }
    }
    state.counters["pages"] = kPages;
}
BENCHMARK(SimjsWalksAChainOfThreeHundredPages)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace htmlsim::testing
