#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace htmlsim {

// The size and modification time of a file, to tell whether it changed since.
struct FileStamp {
    std::uintmax_t size = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of a local file; none when it cannot be read.
std::optional<FileStamp> StampOfFile(const std::string& path);

// What is kept beside a recovery copy: where the document belongs and what it came from.
struct RecoveryRecord {
    bool remote = false;
    // The document's path (a local path, a folder for a document never saved, or a remote
    // path on the server).
    std::string path;
    // The remote server as "scheme://user@host:port", never with a password; "" for a local one.
    std::string server;
    std::string encoding;             // "UTF-8" or "Windows-1252"
    std::int64_t savedAtSeconds = 0;  // when the copy was written, seconds since 1970 (UTC)
    // The file the document came from when it was last opened or saved; none when it has no
    // local file.
    std::optional<FileStamp> original;

    // The address a person recognises: the path, after the server for a remote document.
    std::string Address() const { return server + path; }
};

std::string RecordToJson(const RecoveryRecord& record);
// None when the text is not a record this program wrote.
std::optional<RecoveryRecord> RecordFromJson(std::string_view json);

}  // namespace htmlsim
