#include <benchmark/benchmark.h>

#include "DesignJsonRun.h"

namespace htmlsim::bench {
namespace {

// The page of 200 image maps with 50 areas each (about 1.5 MB), and twice that page.
void BM_ImportAndDesignJson(benchmark::State& state) {
    const std::string document = GeneratedDocument(200 * static_cast<int>(state.range(0)), 50);
    DesignJsonRun run(document);
    size_t written = 0;
    for (auto _ : state) {
        written = run.Run();
        state.PauseTiming();  // dropping the design is not part of reading it
        run.DropDesign();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
    state.counters["json_bytes"] = static_cast<double>(written);
}
BENCHMARK(BM_ImportAndDesignJson)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace htmlsim::bench
