#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "BenchDesign.h"
#include "document/SectionDocument.h"
#include "session/Session.h"
#include "util/WholeFile.h"

namespace htmlsim {
namespace {

// A document of about `megabytes` MB: an image map design growing with it (50 areas per image,
// 8 images per MB), then 100 text sections of about 10 KB per MB.
std::string LongDocument(int megabytes) {
    std::string document = bench::GeneratedDocument(8 * megabytes, 50);
    std::string sections;
    const std::string paragraph = "<P>" + std::string(200, 'x') + "</P>\r\n";
    for (int s = 0; s < 100 * megabytes; ++s) {
        sections += "<!-- Section: Part " + std::to_string(s) + " -->\r\n";
        while (sections.size() % 10000 > 200) {
            sections += paragraph;
        }
        sections += paragraph + "<!-- Section End -->\r\n";
    }
    return document.insert(document.rfind("</BODY>"), sections);
}

// The whole life of a long document in the editor: opened, its sections listed, its design
// read, and saved again. Time per MB stays flat when every step is linear.
void OpenListImportSaveALongDocument(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "htmlsim-long-document";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "long.html").string();
    const std::string document = LongDocument(static_cast<int>(state.range(0)));
    WriteWholeFileAtomically(path, document);
    UnexpectedMessageDialogs dialogs;
    NoSurface surface;
    bench::AnyPictures pictures;
    Session session(dialogs, folder.string());
    session.AttachDesignServices(surface, pictures);
    for (auto _ : state) {
        session.OpenDocument(path);
        session.ListSections();
        session.SwitchTab(kImageDesignTab);
        session.SaveDocument();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
    state.counters["MB"] = static_cast<double>(document.size()) / (1 << 20);
    std::filesystem::remove_all(folder);
}
BENCHMARK(OpenListImportSaveALongDocument)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace htmlsim
