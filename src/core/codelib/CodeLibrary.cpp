#include "codelib/CodeLibrary.h"

#include <system_error>

#include "text/TextEncoding.h"
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
            ListEntry entry{std::string(TrimBlanks(DecodeText(fields.Item(display).Value(),
                                                              LibraryQuery.TableEncoding()))),
                            0};
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
        entries.push_back({std::string(TrimBlanks(Text(query, "name"))), query.RecordNumber()});
    }
    return entries;
}

std::string CodeLibrary::NameById(DataQuery& query, const std::string& idField, int64_t id) {
    query.Find(idField, std::to_string(id));
    return query.RecordNumber() != 0 ? Text(query, "Name") : "";
}

std::string CodeLibrary::Text(DataQuery& query, const std::string& field) {
    return DecodeText(query.Fields().Item(field).Value(), query.TableEncoding());
}

std::optional<std::string> CodeLibrary::Stored(DataQuery& query, const std::string& text,
                                               const std::string& fieldName) {
    if (const auto unheld = FirstUnheldCharacter(text, query.TableEncoding())) {
        mDialogs.Message("The " + fieldName + " holds " + *unheld + ", which the " +
                             EncodingName(query.TableEncoding()) + " library file '" +
                             query.TableFileName() +
                             "' cannot hold. Please choose another character.",
                         "", MessageIcon::Exclamation);
        return std::nullopt;
    }
    return EncodeText(text, query.TableEncoding());
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
    return {fields.Item("Id").Number(),        Text(query, "Name"),
            Text(query, "CodeText"),           Text(query, "Date"),
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
    const auto stored = Stored(query, trimmed, "name");
    if (!stored) {
        return std::nullopt;
    }
    mErrorFlag = false;
    const bool exists = query.Find("name", *stored);
    if (mErrorFlag) {
        return std::nullopt;  // the snippet table could not be read; that was shown
    }
    if (exists) {
        mCurrentProcID = query.Fields().Item("Id").Number();
        return ListEntry{trimmed, query.RecordNumber()};
    }
    query.MoveLast();
    const int64_t newId = (query.RecordNumber() != 0 ? query.Fields().Item("ID").Number() : 0) + 1;
    query.AddNew();
    auto fields = query.Fields();
    fields.Item("id").SetValue(newId);
    fields.Item("name").SetValue(*stored);
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
    const auto name = Stored(query, std::string(TrimBlanks(edited.name)), "name");
    const auto code = name ? Stored(query, edited.codeText, "code") : std::nullopt;
    const auto date = code ? Stored(query, edited.date, "date") : std::nullopt;
    if (!date) {
        return false;
    }
    auto fields = query.Fields();
    fields.Item("Name").SetValue(*name);
    fields.Item("CodeText").SetValue(*code);
    fields.Item("Date").SetValue(*date);
    fields.Item("AuthorsID").SetValue(edited.authorsId);
    fields.Item("SnippetTypesid").SetValue(edited.snippetTypesId);
    return query.Update();
}

bool CodeLibrary::DeleteSnippet(const std::string& name) {
    // A name the table cannot hold names no record of it.
    const auto stored = EncodeText(name, mQ_Procedures.TableEncoding());
    if (!stored || !mQ_Procedures.Find("Name", *stored) || !mQ_Procedures.Delete()) {
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
