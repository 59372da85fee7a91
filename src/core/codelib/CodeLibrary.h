#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "components/DataQuery.h"
#include "services/Dialogs.h"

namespace htmlsim {

// An entry of a list or combo box: its text and its item data (an ID, or a record number).
struct ListEntry {
    std::string text;
    int64_t itemData = 0;

    bool operator==(const ListEntry&) const = default;
};

// A snippet as its record holds it; −1 for an author or type not chosen.
struct Snippet {
    int64_t id = 0;
    std::string name;
    std::string codeText;
    std::string date;
    int64_t authorsId = -1;
    int64_t snippetTypesId = -1;
};

// The snippet database behind the Code Library window: the three tables of the data folder, the
// query objects over them and the data steps of listing, adding, storing and deleting snippets.
// Texts come and go as UTF-8; each table file keeps its own encoding. Every failure is shown
// through the dialogs.
class CodeLibrary {
  public:
    static constexpr int64_t kNoChoice = -1;

    CodeLibrary(Dialogs& dialogs, std::filesystem::path dataFolder);
    CodeLibrary(const CodeLibrary&) = delete;
    CodeLibrary& operator=(const CodeLibrary&) = delete;

    const std::filesystem::path& DataFolder() const { return mDataFolder; }

    // Makes the data folder and the missing tables with their first rows.
    void CreateLibraryTables();
    // Runs the statements of the author, type and snippet queries.
    void OpenLibraryQueries();
    // Runs one statement; true when it gave records, the query then being on the first.
    bool RunLibraryQuery(DataQuery& query, const std::string& statement);
    // The trimmed display values of a statement's records, each with its ID field's number.
    std::vector<ListEntry> FillListFromQuery(const std::string& statement,
                                             const std::string& displayField,
                                             const std::string& idField);
    // The snippets of one type and author: trimmed names with their record numbers.
    std::vector<ListEntry> ProcedureEntries(int64_t snippetTypeId, int64_t authorId);

    std::string GetAuthorName(int64_t id);
    std::string GetSnippetTypeName(int64_t id);

    // A click in the snippet list: the record number of the selected item, or nullopt.
    void SelectProcedure(std::optional<int64_t> recordNumber);
    int64_t CurrentProcID() const { return mCurrentProcID; }
    // The snippet the snippet query is on, if any.
    std::optional<Snippet> CurrentSnippet();
    // Every snippet in table order.
    std::vector<Snippet> AllSnippets();

    // Adds a snippet of that name dated as given, unless one of the name exists, which then
    // becomes current. Returns the list entry to append and select; nullopt for an empty name
    // or a failure.
    std::optional<ListEntry> AddSnippet(const std::string& name, int64_t authorId,
                                        int64_t snippetTypeId, const std::string& date);
    // Stores the edited values into the current snippet; false (after a message) when the
    // snippet query is not on the current snippet or the table could not be written.
    bool StoreSnippet(const Snippet& edited);
    // Deletes the first snippet whose name is the text; true when one was deleted.
    bool DeleteSnippet(const std::string& name);

    // Set by any query failure since the last RunLibraryQuery.
    bool ErrorFlag() const { return mErrorFlag; }
    void Close();

  private:
    void WatchErrors(DataQuery& query);
    std::string NameById(DataQuery& query, const std::string& idField, int64_t id);
    // A text field of the query's current record, decoded from its table's encoding.
    static std::string Text(DataQuery& query, const std::string& field);
    // The text in the encoding of the query's table; nullopt (after a message naming the
    // field) when that encoding cannot hold one of its characters.
    std::optional<std::string> Stored(DataQuery& query, const std::string& text,
                                      const std::string& fieldName);
    Snippet ReadSnippet(DataQuery& query);
    void CreateTable(const std::string& table, const std::string& dataFile,
                     const std::string& createStatement, const std::string& firstRows);

    Dialogs& mDialogs;
    std::filesystem::path mDataFolder;
    DataQuery mQ_Authors;
    DataQuery mQ_SnippetTypes;
    DataQuery mQ_Procedures;
    DataQuery LibraryQuery;
    int64_t mCurrentProcID = 0;
    bool mErrorFlag = false;
};

}  // namespace htmlsim
