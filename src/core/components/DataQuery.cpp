#include "components/DataQuery.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "util/Numbers.h"
#include "util/RuntimeError.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

constexpr const char* kNoCurrentRecord = "There is no current record.";

int CompareValues(const FieldDefinition& field, const std::string& a, const std::string& b) {
    if (field.type == FieldType::Integer) {
        const auto x = std::stoll(a);
        const auto y = std::stoll(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return CompareIgnoreCase(a, b);
}

}  // namespace

// ---- fields ----

std::string QueryField::Value() const {
    std::string value;
    if (mColumn) {
        mQuery.Guarded([&] {
            const auto* row = mQuery.mEditBuffer ? &*mQuery.mEditBuffer : nullptr;
            if (!row && mQuery.CurrentRow()) {
                row = &mQuery.CurrentRow()->values;
            }
            if (!row) {
                throw RuntimeError(kNoCurrentRecord);
            }
            value = (*row)[mQuery.mColumns[*mColumn]];
        });
    }
    return value;
}

int64_t QueryField::Number() const {
    const double number = std::trunc(LeadingNumber(Value()));
    return std::abs(number) < 9e18 ? static_cast<int64_t>(number) : 0;
}

void QueryField::SetValue(const std::string& value) {
    if (mColumn) {
        mQuery.Guarded([&] {
            const size_t field = mQuery.mColumns[*mColumn];
            auto normalized = mQuery.mTable->NormalizedValue(field, value);
            mQuery.WorkingValues()[field] = std::move(normalized);
        });
    }
}

void QueryField::SetValue(int64_t value) {
    SetValue(std::to_string(value));
}

int QueryFields::FieldIndex(const std::string& name) {
    if (mQuery.mTable) {
        for (size_t i = 0; i < mQuery.mColumns.size(); ++i) {
            if (EqualsIgnoreCase(mQuery.mTable->fields[mQuery.mColumns[i]].name, name)) {
                return static_cast<int>(i);
            }
        }
    }
    mQuery.Guarded(
        [&] { throw RuntimeError("The field '" + name + "' is not in the query's result."); });
    return -1;
}

QueryField QueryFields::Item(const std::string& name) {
    const int index = FieldIndex(name);
    return QueryField(mQuery,
                      index < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(index)));
}

QueryField QueryFields::Item(int16_t index) {
    if (index < 0 || static_cast<size_t>(index) >= Count()) {
        mQuery.Guarded([&] {
            throw RuntimeError("The query's result has no field at position " +
                               std::to_string(index) + ".");
        });
        return QueryField(mQuery, std::nullopt);
    }
    return QueryField(mQuery, static_cast<size_t>(index));
}

size_t QueryFields::Count() const {
    return mQuery.mColumns.size();
}

// ---- failures ----

void DataQuery::Raise(const std::string& description) {
    bool handled = false;
    if (Error) {
        Error(description, handled);
    }
    if (!handled) {
        throw RuntimeError(description);
    }
}

template <typename Action>
bool DataQuery::Guarded(Action action) {
    std::string failure;
    try {
        action();
        return true;
    } catch (const std::exception& fault) {
        failure = fault.what();
    }
    Raise(failure);
    return false;
}

// ---- statements ----

bool DataQuery::Execute(const std::string& statements, const std::string& dataFolder) {
    Close();
    mFolder = dataFolder;
    return Guarded([&] {
        if (!std::filesystem::is_directory(mFolder)) {
            throw RuntimeError("The data folder '" + dataFolder + "' does not exist.");
        }
        for (const auto& statement : ParseStatements(statements)) {
            if (const auto* create = std::get_if<CreateTableStatement>(&statement)) {
                RunCreate(*create);
            } else if (const auto* insert = std::get_if<InsertStatement>(&statement)) {
                RunInsert(*insert);
            } else {
                RunSelect(std::get<SelectStatement>(statement));
            }
        }
    });
}

TableDefinition DataQuery::RequireTable(const std::string& name) const {
    auto table = FindTableDefinition(mFolder, name);
    if (!table) {
        throw RuntimeError("The table '" + name + "' does not exist in the data folder '" +
                           mFolder.string() + "'.");
    }
    return *table;
}

size_t DataQuery::RequireField(const TableDefinition& table, const std::string& name) const {
    const auto field = table.FieldIndex(name);
    if (!field) {
        throw RuntimeError("The field '" + name + "' does not exist in the table '" + table.name +
                           "'.");
    }
    return *field;
}

void DataQuery::RunCreate(const CreateTableStatement& create) {
    WriteTableDefinition(mFolder, create.definition);
}

void DataQuery::RunInsert(const InsertStatement& insert) {
    const auto table = RequireTable(insert.table);
    std::vector<size_t> fields;
    for (const auto& name : insert.fields) {
        fields.push_back(RequireField(table, name));
    }
    if (insert.fields.empty()) {
        for (size_t i = 0; i < table.fields.size(); ++i) {
            fields.push_back(i);
        }
    }
    auto stored = ReadTableRows(mFolder, table);
    for (const auto& literals : insert.rows) {
        if (literals.size() != fields.size()) {
            throw RuntimeError("Insert Into " + table.name + " gives " +
                               std::to_string(literals.size()) + " values for " +
                               std::to_string(fields.size()) + " fields.");
        }
        TableRow row;
        for (size_t i = 0; i < table.fields.size(); ++i) {
            row.push_back(table.DefaultValue(i));
        }
        for (size_t i = 0; i < fields.size(); ++i) {
            row[fields[i]] = table.NormalizedValue(fields[i], literals[i].text);
        }
        stored.push_back(std::move(row));
    }
    WriteTableRows(mFolder, table, stored);
}

void DataQuery::RunSelect(const SelectStatement& select) {
    Close();
    auto table = RequireTable(select.table);
    std::vector<size_t> columns;
    for (const auto& name : select.fields) {
        columns.push_back(RequireField(table, name));
    }
    if (select.fields.empty()) {
        for (size_t i = 0; i < table.fields.size(); ++i) {
            columns.push_back(i);
        }
    }
    std::vector<std::pair<size_t, bool>> order;
    for (const auto& key : select.orderBy) {
        order.emplace_back(RequireField(table, key.field), key.descending);
    }
    std::vector<size_t> split;
    for (const auto& name : select.splitBy) {
        split.push_back(RequireField(table, name));
    }
    auto stored = ReadTableRows(mFolder, table);
    mTableEncoding = TextEncoding::Utf8;
    for (const TableRow& row : stored) {
        for (const std::string& value : row) {
            if (DetectTextEncoding(value) == TextEncoding::Windows1252) {
                mTableEncoding = TextEncoding::Windows1252;
            }
        }
    }

    std::vector<ResultRow> rows;
    for (auto& values : stored) {
        rows.push_back({static_cast<int32_t>(rows.size() + 1), std::move(values)});
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const ResultRow& a, const ResultRow& b) {
        for (const auto& [field, descending] : order) {
            const int sign = CompareValues(table.fields[field], a.values[field], b.values[field]);
            if (sign != 0) {
                return descending ? sign > 0 : sign < 0;
            }
        }
        return false;
    });
    mTable = std::move(table);
    mColumns = std::move(columns);
    mSplitColumns = std::move(split);
    mRows = std::move(rows);
    mLastRecordNumber = static_cast<int32_t>(mRows.size());
    Regroup();
}

std::string DataQuery::TableFileName() const {
    return mTable ? mTable->DataFile(mFolder).filename().string() : std::string();
}

// ---- walking ----

size_t DataQuery::SequenceSize() const {
    if (mGroup) {
        return *mGroup < mGroups.size() ? mGroups[*mGroup].size() : 0;
    }
    return mRows.size();
}

size_t DataQuery::SequenceAt(size_t position) const {
    return mGroup ? mGroups[*mGroup][position] : position;
}

DataQuery::ResultRow* DataQuery::CurrentRow() {
    if (mAdding || mPosition >= SequenceSize()) {
        return nullptr;
    }
    return &mRows[SequenceAt(mPosition)];
}

void DataQuery::Regroup() {
    mGroups.clear();
    mGroup.reset();
    mPosition = 0;
    std::map<std::vector<std::string>, size_t> groupOfKey;
    for (size_t i = 0; i < mRows.size(); ++i) {
        std::vector<std::string> key;
        for (size_t field : mSplitColumns) {
            key.push_back(mRows[i].values[field]);
        }
        const auto [entry, isNew] = groupOfKey.emplace(key, mGroups.size());
        if (isNew) {
            mGroups.emplace_back();
        }
        mGroups[entry->second].push_back(i);
    }
}

void DataQuery::PositionOn(int32_t recordNumber) {
    LeaveEditing();
    mGroup.reset();
    mPosition = mRows.size();
    for (size_t i = 0; i < mRows.size(); ++i) {
        if (mRows[i].recordNumber == recordNumber) {
            mPosition = i;
            break;
        }
    }
}

void DataQuery::LeaveEditing() {
    mEditBuffer.reset();
    mAdding = false;
}

void DataQuery::MoveFirst() {
    LeaveEditing();
    mPosition = 0;
}

void DataQuery::MoveNext() {
    LeaveEditing();
    if (mPosition < SequenceSize()) {
        ++mPosition;
    }
}

void DataQuery::MoveLast() {
    LeaveEditing();
    const size_t size = SequenceSize();
    mPosition = size == 0 ? 0 : size - 1;
}

bool DataQuery::AtEnd() const {
    return !mAdding && mPosition >= SequenceSize();
}

void DataQuery::FirstGroup() {
    LeaveEditing();
    mGroup = 0;
    mPosition = 0;
}

void DataQuery::NextGroup() {
    LeaveEditing();
    mGroup = std::min((mGroup ? *mGroup : 0) + 1, mGroups.size());
    mPosition = 0;
}

bool DataQuery::AtLastGroup() const {
    return (mGroup ? *mGroup : 0) + 1 >= mGroups.size();
}

bool DataQuery::Find(const std::string& field, const std::string& value) {
    LeaveEditing();
    mGroup.reset();
    mPosition = mRows.size();
    std::optional<size_t> column;
    const bool searched = Guarded([&] {
        if (!mTable) {
            throw RuntimeError("There is no result to search; run a Select first.");
        }
        column = RequireField(*mTable, field);
    });
    if (!searched) {
        return false;
    }
    std::string wanted = value;
    if (mTable->fields[*column].type == FieldType::Integer) {
        try {
            wanted = mTable->NormalizedValue(*column, value);
        } catch (const RuntimeError&) {
            return false;  // no whole number equals a text that is not one
        }
    }
    for (size_t i = 0; i < mRows.size(); ++i) {
        if (mRows[i].values[*column] == wanted) {
            mPosition = i;
            return true;
        }
    }
    return false;
}

int32_t DataQuery::RecordNumber() const {
    if (mAdding || mPosition >= SequenceSize()) {
        return 0;
    }
    return mRows[SequenceAt(mPosition)].recordNumber;
}

void DataQuery::GoToRecord(int32_t recordNumber) {
    PositionOn(recordNumber);
}

// ---- changes ----

TableRow& DataQuery::WorkingValues() {
    if (!mEditBuffer) {
        auto* row = CurrentRow();
        if (!row) {
            throw RuntimeError(kNoCurrentRecord);
        }
        mEditBuffer = row->values;
    }
    return *mEditBuffer;
}

size_t DataQuery::LocateStored(const std::vector<TableRow>& stored, const TableRow& row) const {
    const auto found = std::find(stored.begin(), stored.end(), row);
    if (found == stored.end()) {
        throw RuntimeError("The record was changed or deleted in the table '" + mTable->name +
                           "' since it was read; nothing was stored.");
    }
    return static_cast<size_t>(found - stored.begin());
}

void DataQuery::AddNew() {
    Guarded([&] {
        if (!mTable) {
            throw RuntimeError("There is no table to add to; run a Select first.");
        }
        LeaveEditing();
        TableRow row;
        for (size_t i = 0; i < mTable->fields.size(); ++i) {
            row.push_back(mTable->DefaultValue(i));
        }
        mEditBuffer = std::move(row);
        mAdding = true;
        mStoredNewRow.reset();
    });
}

bool DataQuery::Update() {
    return Guarded([&] {
        if (mAdding) {
            auto stored = ReadTableRows(mFolder, *mTable);
            stored.push_back(*mEditBuffer);
            WriteTableRows(mFolder, *mTable, stored);
            mStoredNewRow = *mEditBuffer;
            LeaveEditing();
            mGroup.reset();
            mPosition = mRows.size();
            return;
        }
        auto* row = CurrentRow();
        if (!row) {
            throw RuntimeError(kNoCurrentRecord);
        }
        if (!mEditBuffer) {
            return;
        }
        auto stored = ReadTableRows(mFolder, *mTable);
        stored[LocateStored(stored, row->values)] = *mEditBuffer;
        WriteTableRows(mFolder, *mTable, stored);
        row->values = *mEditBuffer;
        const int32_t recordNumber = row->recordNumber;
        Regroup();
        PositionOn(recordNumber);
    });
}

bool DataQuery::Delete() {
    return Guarded([&] {
        auto* row = CurrentRow();
        if (!row) {
            throw RuntimeError(kNoCurrentRecord);
        }
        auto stored = ReadTableRows(mFolder, *mTable);
        stored.erase(stored.begin() + static_cast<ptrdiff_t>(LocateStored(stored, row->values)));
        WriteTableRows(mFolder, *mTable, stored);
        const auto index = static_cast<size_t>(row - mRows.data());
        mRows.erase(mRows.begin() + static_cast<ptrdiff_t>(index));
        Regroup();
        mPosition = index;  // on the record that followed, in the whole result
    });
}

void DataQuery::AfterAdd() {
    Guarded([&] {
        if (!mStoredNewRow) {
            throw RuntimeError("No new record has been stored.");
        }
        mRows.push_back({++mLastRecordNumber, std::move(*mStoredNewRow)});
        mStoredNewRow.reset();
        mStoredRecordNumber = mLastRecordNumber;
        Regroup();
        PositionOn(mStoredRecordNumber);
    });
}

void DataQuery::Close() {
    mTable.reset();
    mColumns.clear();
    mSplitColumns.clear();
    mRows.clear();
    mGroups.clear();
    mGroup.reset();
    mPosition = 0;
    LeaveEditing();
    mStoredNewRow.reset();
    mLastRecordNumber = 0;
    mStoredRecordNumber = 0;
}

}  // namespace htmlsim
