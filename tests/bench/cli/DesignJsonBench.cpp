#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

#include "BenchDesign.h"
#include "FakeTextMeasurer.h"
#include "import/DocumentImport.h"
#include "json/DesignJson.h"

namespace htmlsim::bench {
namespace {

// What `htmlsim-cli design` does once the file is read: the page of 200 image maps with 50
// areas each (about 1.5 MB) read and printed as JSON, without the process start and the file.
void BM_ImportAndDesignJson(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const std::string document = GeneratedDocument(200 * size, 50);
    NullSurface surface;
    AnyPictures pictures;
    UnexpectedMessageDialogs dialogs;
    testing::FakeTextMeasurer measurer;
    PageControls controls(measurer, dialogs, [](const std::string&, const std::string&) {});
    const DocumentCodec codec(document);
    size_t written = 0;
    for (auto _ : state) {
        auto design = std::make_unique<PageDesign>();
        ImportContext context{*design, surface, pictures, dialogs, "/work/"};
        context.controls = &controls;
        ImportDocument(document, context);
        std::ostringstream json;
        cli::WriteDesignJson(json, *design, &controls, {}, codec);
        written = json.tellp();
        state.PauseTiming();  // dropping the design is not part of reading it
        design.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
    state.counters["json_bytes"] = static_cast<double>(written);
}
BENCHMARK(BM_ImportAndDesignJson)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace htmlsim::bench
