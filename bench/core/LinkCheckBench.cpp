#include <benchmark/benchmark.h>

#include "BenchDesign.h"
#include "FakeTextMeasurer.h"
#include "LinkSimulation.h"
#include "TempFolder.h"
#include "linkcheck/LinkCheck.h"

namespace htmlsim::bench {
namespace {

void BM_CheckLinks(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    testing::TempFolder folder;
    testing::WriteGeneratedSimulation(folder.Path(), pages);
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
