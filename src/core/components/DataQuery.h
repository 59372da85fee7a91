#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "components/StatementParser.h"
#include "components/TableDefinition.h"
#include "components/TableFile.h"
#include "text/TextEncoding.h"

namespace htmlsim {

class DataQuery;

// One field of a query's current record. Reading or writing without a current record, or
// through a field the result does not have, raises the query's Error.
class QueryField {
  public:
    QueryField(DataQuery& query, std::optional<size_t> column) : mQuery(query), mColumn(column) {}

    std::string Value() const;
    // The value's leading number, as a program reads a number out of a text (0 when none).
    int64_t Number() const;
    void SetValue(const std::string& value);
    void SetValue(int64_t value);

  private:
    DataQuery& mQuery;
    std::optional<size_t> mColumn;
};

// The fields of a query's result, by name (ignoring case) or position.
class QueryFields {
  public:
    explicit QueryFields(DataQuery& query) : mQuery(query) {}

    // The position of the field, or -1 (after raising Error) when the result has no such field.
    int FieldIndex(const std::string& name);
    QueryField Item(const std::string& name);
    QueryField Item(int16_t index);
    size_t Count() const;

  private:
    DataQuery& mQuery;
};

// A query over the delimited text tables of a data folder: runs statements, walks the records
// (and the groups of a "Split By" result), and adds, stores and deletes records, each write
// replacing the table file atomically. Failures raise Error; when no handler marks one handled
// it is thrown as RuntimeError.
class DataQuery {
  public:
    using ErrorHandler = std::function<void(const std::string& description, bool& handled)>;
    ErrorHandler Error;

    // Runs the statements of the text against the tables of the folder; false when one failed
    // (the ones before it have run).
    bool Execute(const std::string& statements, const std::string& dataFolder);
    bool HasRecords() const { return !mRows.empty(); }

    // Moves within the current group after FirstGroup/NextGroup, else within the whole result.
    void MoveFirst();
    void MoveNext();
    void MoveLast();
    bool AtEnd() const;

    // Groups hold the records of one combination of the split fields, in the order the
    // combinations first occur; a result without "Split By" is one group.
    void FirstGroup();
    void NextGroup();
    bool AtLastGroup() const;

    // Positions on the first record of the whole result whose field equals the value (Integer
    // fields compare as numbers); false, and no current record, when there is none.
    bool Find(const std::string& field, const std::string& value);
    // The number of the current record (stable while the query lives), 0 when there is none.
    int32_t RecordNumber() const;
    void GoToRecord(int32_t recordNumber);

    QueryFields Fields() { return QueryFields(*this); }
    // The encoding of the selected table's texts: UTF-8 when every stored text is UTF-8 (and
    // for an empty table), else Windows-1252, as an older program wrote them.
    TextEncoding TableEncoding() const { return mTableEncoding; }
    // The file name of the selected table's data file.
    std::string TableFileName() const;

    // Starts a new record holding default values; Update appends it to the table file.
    void AddNew();
    // Stores the current (or new) record's values in the table file; false on failure.
    bool Update();
    // Deletes the current record from the table file and the result; false on failure.
    bool Delete();
    // Takes the record stored by the last Update of a new record into the result and moves to it.
    void AfterAdd();
    int32_t StoredRecordNumber() const { return mStoredRecordNumber; }

    void Close();

  private:
    friend class QueryField;
    friend class QueryFields;

    struct ResultRow {
        int32_t recordNumber;
        TableRow values;  // every field of the table, as in its file
    };

    // Reports the failure through Error; throws it on when no handler took it.
    void Raise(const std::string& description);
    template <typename Action>
    bool Guarded(Action action);

    void RunCreate(const CreateTableStatement& create);
    void RunInsert(const InsertStatement& insert);
    void RunSelect(const SelectStatement& select);
    TableDefinition RequireTable(const std::string& name) const;
    size_t RequireField(const TableDefinition& table, const std::string& name) const;

    // The records walked now: the current group's, or the whole result's.
    size_t SequenceSize() const;
    size_t SequenceAt(size_t position) const;
    ResultRow* CurrentRow();
    void Regroup();
    void PositionOn(int32_t recordNumber);
    void LeaveEditing();
    TableRow& WorkingValues();
    size_t LocateStored(const std::vector<TableRow>& stored, const TableRow& row) const;

    std::filesystem::path mFolder;
    std::optional<TableDefinition> mTable;  // the table of the last select
    TextEncoding mTableEncoding = TextEncoding::Utf8;
    std::vector<size_t> mColumns;       // result column -> table field
    std::vector<size_t> mSplitColumns;  // table fields of "Split By"
    std::vector<ResultRow> mRows;
    std::vector<std::vector<size_t>> mGroups;  // row indexes per group
    std::optional<size_t> mGroup;              // walking this group (may be past the last)
    size_t mPosition = 0;                      // within the current sequence
    std::optional<TableRow> mEditBuffer;       // unsaved values of the current or new record
    bool mAdding = false;
    std::optional<TableRow> mStoredNewRow;  // stored by Update, waiting for AfterAdd
    int32_t mLastRecordNumber = 0;
    int32_t mStoredRecordNumber = 0;
};

}  // namespace htmlsim
