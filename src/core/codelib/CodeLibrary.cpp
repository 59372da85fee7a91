#include "codelib/CodeLibrary.h"

#include <system_error>

#include "util/RuntimeError.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kMakerName = "Brenx";

}  // namespace

CodeLibrary::CodeLibrary(Dialogs& dialogs, std::filesystem::path dataFolder)
    : mDialogs(dialogs), mDataFolder(std::move(dataFolder)) {
    for (auto* query : {&mQ_Authors, &mQ_SnippetTypes, &mQ_Procedures, &LibraryQuery}) {
        WatchErrors(*query);
    }
}

// Every query shows its failures itself, so a caller only sees that an operation failed.
void CodeLibrary::WatchErrors(DataQuery& query) {
    query.Error = [this](const std::string& description, bool& handled) {
        mDialogs.Message(description, "", MessageIcon::None);
        handled = true;
        mErrorFlag = true;
    };
}

void CodeLibrary::CreateTable(const std::string& table, const std::string& dataFile,
                              const std::string& createStatement, const std::string& firstRows) {
    // A table file already there is kept; only a missing definition is written beside it.
    const bool hasData = std::filesystem::exists(mDataFolder / dataFile);
    const bool hasDefinition = FindDefinitionFile(mDataFolder, table).has_value();
    if (hasData && hasDefinition) {
        return;
    }
    std::string statements = hasDefinition ? "" : createStatement + kCrLf;
    if (!hasData) {
        statements += firstRows.empty() ? "" : firstRows + kCrLf;
    }
    if (!statements.empty() && !LibraryQuery.Execute(statements, mDataFolder.string())) {
        throw RuntimeError("");  // already shown by the query
    }
}

void CodeLibrary::CreateLibraryTables() {
    try {
        std::error_code error;
        std::filesystem::create_directories(mDataFolder, error);
        if (error) {
            throw RuntimeError("Cannot create the data folder '" + mDataFolder.string() +
                               "': " + error.message() + ".");
        }
        CreateTable("SnippetTypes", "SnippetTypes.dat",
                    "Create Table SnippetTypes (Id Integer, Name String(50));",
                    "Insert Into SnippetTypes Values (2, 'HTML'; 3, 'PHP'; 4, "
                    "'JavaScript';5, 'ASP';6, 'VB6');");
        CreateTable("Authors", "Authors.dat", "Create Table Authors (ID Integer, Name String(50));",
                    std::string("Insert Into Authors Values (2, '") + kMakerName + "');");
        CreateTable("ProcedureLib", "ProcedureLib.dat",
                    "Create Table ProcedureLib [dat, Delimited, RecordDelimiter=chr$(255) & "
                    "chr$(254), TextQualifier=chr$(252), FieldDelimiter=chr$(253)] (Id Integer, "
                    "Name String, CodeText String, Date String, AuthorsID Integer, "
                    "SnippetTypesID Integer);",
                    "");
    } catch (const std::exception& failure) {
        if (*failure.what() != '\0') {
            mDialogs.Message(failure.what(), "", MessageIcon::None);
        }
    }
    LibraryQuery.Close();
}

void CodeLibrary::OpenLibraryQueries() {
    if (!RunLibraryQuery(mQ_Authors, "select id, name from authors order by id")) {
        mDialogs.Message("Failed to Initialize the Authors table.", "", MessageIcon::Critical);
    }
    RunLibraryQuery(mQ_Procedures, "Select * From Procedurelib Split By SnippetTypesID, AuthorsID");
    if (!RunLibraryQuery(mQ_SnippetTypes, "select * from SnippetTypes order by id")) {
        mDialogs.Message("Failed to Initialize the SnippetTypes table.", "", MessageIcon::Critical);
    }
}

bool CodeLibrary::RunLibraryQuery(DataQuery& query, const std::string& statement) {
    mErrorFlag = false;
    query.Execute(statement, mDataFolder.string());
    if (!query.HasRecords()) {
        return false;
    }
    query.MoveFirst();
    return true;
}

std::vector<ListEntry> CodeLibrary::FillListFromQuery(const std::string& statement,
                                                      const std::string& displayField,
                                                      const std::string& idField) {
    std::vector<ListEntry> entries;
    if (RunLibraryQuery(LibraryQuery, statement)) {
        auto fields = LibraryQuery.Fields();
        const auto display = static_cast<int16_t>(fields.FieldIndex(displayField));
        const auto id = idField.empty() ? -1 : static_cast<int16_t>(fields.FieldIndex(idField));
        while (!LibraryQuery.AtEnd() && display >= 0) {
            ListEntry entry{std::string(TrimBlanks(fields.Item(display).Value())), 0};
            if (id >= 0) {
                entry.itemData = fields.Item(id).Number();
            }
            entries.push_back(std::move(entry));
            LibraryQuery.MoveNext();
        }
    }
    LibraryQuery.Close();
    return entries;
}

std::vector<ListEntry> CodeLibrary::ProcedureEntries(int64_t snippetTypeId, int64_t authorId) {
    std::vector<ListEntry> entries;
    auto& query = mQ_Procedures;
    query.FirstGroup();
    for (;;) {
        if (query.RecordNumber() != 0 &&
            query.Fields().Item("SnippetTypesID").Number() == snippetTypeId &&
            query.Fields().Item("AuthorsID").Number() == authorId) {
            break;
        }
        if (query.AtLastGroup()) {
            return entries;
        }
        query.NextGroup();
    }
    for (query.MoveFirst(); !query.AtEnd(); query.MoveNext()) {
        entries.push_back(
            {std::string(TrimBlanks(query.Fields().Item("name").Value())), query.RecordNumber()});
    }
    return entries;
}

std::string CodeLibrary::NameById(DataQuery& query, const std::string& idField, int64_t id) {
    query.Find(idField, std::to_string(id));
    return query.RecordNumber() != 0 ? query.Fields().Item("Name").Value() : "";
}

std::string CodeLibrary::GetAuthorName(int64_t id) {
    return NameById(mQ_Authors, "ID", id);
}

std::string CodeLibrary::GetSnippetTypeName(int64_t id) {
    return NameById(mQ_SnippetTypes, "ID", id);
}

void CodeLibrary::SelectProcedure(std::optional<int64_t> recordNumber) {
    if (!recordNumber) {
        mCurrentProcID = 0;
        return;
    }
    mQ_Procedures.GoToRecord(static_cast<int32_t>(*recordNumber));
    mCurrentProcID =
        mQ_Procedures.RecordNumber() != 0 ? mQ_Procedures.Fields().Item("Id").Number() : 0;
}

Snippet CodeLibrary::ReadSnippet(DataQuery& query) {
    auto fields = query.Fields();
    return {fields.Item("Id").Number(),        fields.Item("Name").Value(),
            fields.Item("CodeText").Value(),   fields.Item("Date").Value(),
            fields.Item("AuthorsID").Number(), fields.Item("SnippetTypesID").Number()};
}

std::optional<Snippet> CodeLibrary::CurrentSnippet() {
    if (mQ_Procedures.RecordNumber() == 0) {
        return std::nullopt;
    }
    return ReadSnippet(mQ_Procedures);
}

std::vector<Snippet> CodeLibrary::AllSnippets() {
    std::vector<Snippet> snippets;
    if (RunLibraryQuery(LibraryQuery, "Select * From ProcedureLib")) {
        for (; !LibraryQuery.AtEnd(); LibraryQuery.MoveNext()) {
            snippets.push_back(ReadSnippet(LibraryQuery));
        }
    }
    LibraryQuery.Close();
    return snippets;
}

std::optional<ListEntry> CodeLibrary::AddSnippet(const std::string& name, int64_t authorId,
                                                 int64_t snippetTypeId, const std::string& date) {
    // Names are kept trimmed, as the list shows them, so that a list entry finds its record.
    const std::string trimmed(TrimBlanks(name));
    if (trimmed.empty()) {
        return std::nullopt;
    }
    auto& query = mQ_Procedures;
    if (query.Find("name", trimmed)) {
        mCurrentProcID = query.Fields().Item("Id").Number();
        return ListEntry{trimmed, query.RecordNumber()};
    }
    query.MoveLast();
    const int64_t newId = (query.RecordNumber() != 0 ? query.Fields().Item("ID").Number() : 0) + 1;
    query.AddNew();
    auto fields = query.Fields();
    fields.Item("id").SetValue(newId);
    fields.Item("name").SetValue(trimmed);
    fields.Item("Date").SetValue(date);
    fields.Item("AuthorsID").SetValue(authorId);
    fields.Item("SnippetTypesid").SetValue(snippetTypeId);
    if (!query.Update()) {
        return std::nullopt;
    }
    query.AfterAdd();
    mCurrentProcID = newId;
    return ListEntry{trimmed, query.StoredRecordNumber()};
}

bool CodeLibrary::StoreSnippet(const Snippet& edited) {
    auto& query = mQ_Procedures;
    if (query.RecordNumber() == 0 || query.Fields().Item("Id").Number() != mCurrentProcID) {
        mDialogs.Message("Procedures Query is not on the correct record.", "", MessageIcon::None);
        return false;
    }
    auto fields = query.Fields();
    fields.Item("Name").SetValue(std::string(TrimBlanks(edited.name)));
    fields.Item("CodeText").SetValue(edited.codeText);
    fields.Item("Date").SetValue(edited.date);
    fields.Item("AuthorsID").SetValue(edited.authorsId);
    fields.Item("SnippetTypesid").SetValue(edited.snippetTypesId);
    return query.Update();
}

bool CodeLibrary::DeleteSnippet(const std::string& name) {
    if (!mQ_Procedures.Find("Name", name) || !mQ_Procedures.Delete()) {
        return false;
    }
    mCurrentProcID = 0;
    return true;
}

void CodeLibrary::Close() {
    mQ_Authors.Close();
    mQ_SnippetTypes.Close();
    mQ_Procedures.Close();
}

}  // namespace htmlsim
