#include <benchmark/benchmark.h>

#include <string>

#include "document/SectionDocument.h"

namespace htmlsim {
namespace {

// Listing must not ask anything of a well-formed document; any message would be a fault.
class NoDialogs : public Dialogs {
  public:
    void Message(const std::string& text, const std::string&, MessageIcon) override {
        throw std::logic_error("unexpected message: " + text);
    }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string OpenFileName(const FileDialogRequest&) override { return {}; }
    std::string SaveFileName(const FileDialogRequest&) override { return {}; }
    std::string BrowseForFolder(const std::string&, const std::string&) override { return {}; }
};

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
    NoDialogs dialogs;
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
