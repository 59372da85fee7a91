#include <algorithm>
#include <iostream>
#include <map>
#include <optional>

#include "CliCommand.h"
#include "CliDialogs.h"
#include "codelib/CodeLibrary.h"
#include "codelib/DataFolder.h"
#include "codelib/SnippetDate.h"
#include "util/Text.h"
#include "util/WholeFile.h"

namespace htmlsim::cli {
namespace {

// "--option VALUE" pairs; anything else is a usage error.
std::map<std::string, std::string> ReadOptions(const std::vector<std::string>& args) {
    static const std::vector<std::string> known = {"--data", "--add", "--type", "--author",
                                                   "--code-file"};
    std::map<std::string, std::string> options;
    for (size_t i = 0; i < args.size(); i += 2) {
        const bool isKnown = std::find(known.begin(), known.end(), args[i]) != known.end();
        if (!isKnown || i + 1 >= args.size() || options.count(args[i]) != 0) {
            throw UsageError{};
        }
        options[args[i]] = args[i + 1];
    }
    if (options.count("--add") == 0 && options.size() > options.count("--data")) {
        throw UsageError{};
    }
    return options;
}

std::optional<std::string> Option(const std::map<std::string, std::string>& options,
                                  const std::string& name) {
    const auto found = options.find(name);
    return found == options.end() ? std::nullopt : std::optional<std::string>(found->second);
}

// The ID of the entry of that name (ignoring case), −1 when no name is given.
std::optional<int64_t> IdByName(const std::vector<ListEntry>& entries,
                                const std::optional<std::string>& name, const std::string& what,
                                Dialogs& dialogs) {
    if (!name) {
        return CodeLibrary::kNoChoice;
    }
    for (const auto& entry : entries) {
        if (EqualsIgnoreCase(entry.text, TrimBlanks(*name))) {
            return entry.itemData;
        }
    }
    dialogs.Message("There is no " + what + " named '" + *name + "'.", "", MessageIcon::None);
    return std::nullopt;
}

void PrintSnippet(CodeLibrary& library, const Snippet& snippet) {
    std::cout << snippet.id << '\t' << snippet.name << '\t'
              << library.GetAuthorName(snippet.authorsId) << '\t'
              << library.GetSnippetTypeName(snippet.snippetTypesId) << '\t' << snippet.date << '\n';
}

int AddSnippet(CodeLibrary& library, CliDialogs& dialogs,
               const std::map<std::string, std::string>& options) {
    const std::string name(TrimBlanks(*Option(options, "--add")));
    const auto author = IdByName(library.FillListFromQuery("select * from authors", "name", "id"),
                                 Option(options, "--author"), "author", dialogs);
    const auto type =
        IdByName(library.FillListFromQuery("select * from SnippetTypes", "name", "id"),
                 Option(options, "--type"), "snippet type", dialogs);
    if (!author || !type) {
        return kExitFailure;
    }
    std::string code;
    if (const auto codeFile = Option(options, "--code-file")) {
        try {
            code = ReadWholeFile(*codeFile);
        } catch (const std::exception& failure) {
            dialogs.Message(failure.what(), "", MessageIcon::None);
            return kExitFailure;
        }
    }
    for (const auto& snippet : library.AllSnippets()) {
        if (snippet.name == name) {
            dialogs.Message("A snippet named '" + name + "' already exists.", "",
                            MessageIcon::None);
            return kExitFailure;
        }
    }
    const std::string date = FormatSnippetDate(Today());
    if (!library.AddSnippet(name, *author, *type, date) ||
        !library.StoreSnippet({library.CurrentProcID(), name, code, date, *author, *type})) {
        return kExitFailure;
    }
    PrintSnippet(library, library.CurrentSnippet().value());
    return kExitSuccess;
}

int RunSnippets(const std::vector<std::string>& args) {
    const auto options = ReadOptions(args);
    if (const auto add = Option(options, "--add"); add && TrimBlanks(*add).empty()) {
        throw UsageError{};
    }
    CliDialogs dialogs;
    const auto folder = Option(options, "--data");
    CodeLibrary library(
        dialogs, folder ? std::filesystem::path(*folder) : ResolveDataFolder(ProgramFolder()));
    library.CreateLibraryTables();
    // Tables that could not be made cannot be read either: the first message says why.
    if (dialogs.MessageCount() == 0) {
        library.OpenLibraryQueries();
    }
    if (dialogs.MessageCount() > 0) {
        return kExitFailure;
    }
    if (options.count("--add") != 0) {
        return AddSnippet(library, dialogs, options);
    }
    for (const auto& snippet : library.AllSnippets()) {
        PrintSnippet(library, snippet);
    }
    return dialogs.MessageCount() > 0 ? kExitFailure : kExitSuccess;
}

const CliCommandRegistration registration({
    "snippets",
    "[--data DIR] [--add NAME [--type TYPE] [--author AUTHOR] [--code-file FILE]]",
    "lists the code library's snippets (Id, name, author, type, date, tab-separated), or adds one",
    RunSnippets,
});

}  // namespace
}  // namespace htmlsim::cli
