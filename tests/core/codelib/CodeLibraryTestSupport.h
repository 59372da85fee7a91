#pragma once

#include <memory>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "codelib/CodeLibrary.h"

namespace htmlsim::testing {

// The IDs of the first rows a new library's tables get, and the date its snippets are added on.
constexpr int64_t kBrenx = 2;
constexpr int64_t kHtml = 2;
constexpr int64_t kPhp = 3;
inline const std::string kSnippetDate = "03/05/2026";

// Opens the library as the window does: tables first, then the queries.
inline std::unique_ptr<CodeLibrary> OpenCodeLibrary(Dialogs& dialogs,
                                                    const std::filesystem::path& folder) {
    auto library = std::make_unique<CodeLibrary>(dialogs, folder);
    library->CreateLibraryTables();
    library->OpenLibraryQueries();
    return library;
}

}  // namespace htmlsim::testing
