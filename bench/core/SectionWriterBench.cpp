#include <benchmark/benchmark.h>

#include "BenchDesign.h"

namespace htmlsim::bench {
namespace {

// Writing the four design sections of 200 image maps with 10,000 areas into a page.
void BM_DocumentUpdateSectionImages(benchmark::State& state) {
    PageDesign design;
    GenerateDesign(design, 200, 50);
    const std::string empty = EmptyDesignDocument();
    UnexpectedMessageDialogs dialogs;
    size_t written = 0;
    for (auto _ : state) {
        std::string document = empty;
        DocumentUpdateSectionImages(document, design, dialogs);
        written = document.size();
        benchmark::DoNotOptimize(document.data());
    }
    state.counters["bytes"] = static_cast<double>(written);
}
BENCHMARK(BM_DocumentUpdateSectionImages)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace htmlsim::bench
