#include <benchmark/benchmark.h>

#include "BenchDesign.h"
#include "import/DocumentImport.h"

namespace htmlsim::bench {
namespace {

// Size 1: 200 image maps with 10,000 areas, about 1.5 MB of HTML; size 2 is twice that.
void BM_ImportDocument(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const std::string document = GeneratedDocument(200 * size, 50);
    NoSurface surface;
    AnyPictures pictures;
    UnexpectedMessageDialogs dialogs;
    for (auto _ : state) {
        auto design = std::make_unique<PageDesign>();
        ImportContext context{*design, surface, pictures, dialogs, "/work/"};
        ImportDocument(document, context);
        benchmark::DoNotOptimize(design->Areas.Count());
        state.PauseTiming();  // dropping the design is not part of reading it
        design.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
    state.counters["bytes"] = static_cast<double>(document.size());
}
BENCHMARK(BM_ImportDocument)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace htmlsim::bench
