#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SilentDialogs.h"
#include "codelib/CodeLibrary.h"
#include "components/TableFile.h"

namespace htmlsim {
namespace {

// A library of the given number of snippets of about 2 KB of code each, spread over the five
// types of the first author.
std::filesystem::path MakeLibrary(int snippets) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("htmlsim-bench-library-" + std::to_string(snippets));
    if (std::filesystem::exists(folder / "ProcedureLib.dat")) {
        return folder;
    }
    testing::SilentDialogs dialogs;
    CodeLibrary library(dialogs, folder);
    library.CreateLibraryTables();
    library.OpenLibraryQueries();
    std::string code;
    for (int line = 0; code.size() < 2000; ++line) {
        code += "  call step(" + std::to_string(line) + ", \"text, with commas\")\r\n";
    }
    std::vector<TableRow> rows;
    for (int i = 0; i < snippets; ++i) {
        rows.push_back({std::to_string(i + 1), "Snippet " + std::to_string(i), code, "03/05/2026",
                        "2", std::to_string(2 + i % 5)});
    }
    WriteTableRows(folder, FindTableDefinition(folder, "ProcedureLib").value(), rows);
    return folder;
}

// Opening the window: tables checked, the three queries run, one type's list filled.
void BM_OpenLibraryAndListOneType(benchmark::State& state) {
    const auto folder = MakeLibrary(static_cast<int>(state.range(0)));
    testing::SilentDialogs dialogs;
    for (auto _ : state) {
        CodeLibrary library(dialogs, folder);
        library.CreateLibraryTables();
        library.OpenLibraryQueries();
        benchmark::DoNotOptimize(library.ProcedureEntries(4, 2));
    }
}
BENCHMARK(BM_OpenLibraryAndListOneType)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// Storing an edit rewrites the whole table file.
void BM_StoreOneSnippet(benchmark::State& state) {
    const auto folder = MakeLibrary(static_cast<int>(state.range(0)));
    testing::SilentDialogs dialogs;
    CodeLibrary library(dialogs, folder);
    library.OpenLibraryQueries();
    library.SelectProcedure(1);
    int edit = 0;
    for (auto _ : state) {
        library.StoreSnippet(
            {library.CurrentProcID(), "Snippet 0", std::to_string(++edit), "03/05/2026", 2, 2});
    }
}
BENCHMARK(BM_StoreOneSnippet)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace htmlsim
