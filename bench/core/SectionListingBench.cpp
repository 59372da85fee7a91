#include <benchmark/benchmark.h>

#include <string>

#include "UnexpectedMessageDialogs.h"
#include "document/SectionDocument.h"

namespace htmlsim {
namespace {

// About 1 MB in 2,000 sections, each body a few lines of markup.
std::string LargeDocument() {
    std::string document = "<HTML>\r\n<BODY>\r\n";
    const std::string line(120, 'x');
    for (int i = 0; i < 2000; ++i) {
        document += "<!-- Section: Section " + std::to_string(i) + " -->\r\n";
        for (int k = 0; k < 4; ++k) {
            document += "<P>" + line + "</P>\r\n";
        }
        document += "<!-- Section End -->\r\n";
    }
    return document + "</BODY>\r\n</HTML>\r\n";
}

void ListSectionsOfALargeDocument(benchmark::State& state) {
    const std::string document = LargeDocument();
    UnexpectedMessageDialogs dialogs;
    size_t sections = 0;
    for (auto _ : state) {
        const SectionTable table = ListSections(document, dialogs);
        sections = table.Count() - 1;
        benchmark::DoNotOptimize(table);
    }
    state.counters["sections"] = static_cast<double>(sections);
    state.counters["bytes"] = static_cast<double>(document.size());
}
BENCHMARK(ListSectionsOfALargeDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace htmlsim
