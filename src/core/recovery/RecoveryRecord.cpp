#include "recovery/RecoveryRecord.h"

#include <sys/stat.h>

#include <nlohmann/json.hpp>

#include "recovery/RemoteAddress.h"

namespace htmlsim {

std::optional<FileStamp> StampOfFile(const std::string& path) {
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return FileStamp{
        static_cast<std::uintmax_t>(status.st_size),
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

std::string RecordToJson(const RecoveryRecord& record) {
    nlohmann::json json{
        {"source", record.remote ? "remote" : "local"},
        {"path", record.path},
        {"encoding", record.encoding},
        {"saved", record.savedAtSeconds},
    };
    if (record.remote) {
        // One more guard: whatever the caller passed, no password reaches the disk.
        json["server"] = AddressWithoutPassword(record.server);
    }
    if (record.original) {
        json["fileSize"] = record.original->size;
        json["fileModifiedNs"] = record.original->modifiedNanoseconds;
    }
    return json.dump(2) + "\n";
}

std::optional<RecoveryRecord> RecordFromJson(std::string_view text) {
    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (!json.is_object() || !json.contains("path") || !json["path"].is_string()) {
        return std::nullopt;
    }
    try {
        RecoveryRecord record;
        record.remote = json.value("source", "local") == "remote";
        record.path = json["path"].get<std::string>();
        record.server = json.value("server", "");
        record.encoding = json.value("encoding", "");
        record.savedAtSeconds = json.value("saved", std::int64_t{0});
        if (json.contains("fileSize") && json.contains("fileModifiedNs")) {
            record.original = FileStamp{json["fileSize"].get<std::uintmax_t>(),
                                        json["fileModifiedNs"].get<std::int64_t>()};
        }
        return record;
    } catch (const nlohmann::json::exception&) {
        return std::nullopt;
    }
}

}  // namespace htmlsim
