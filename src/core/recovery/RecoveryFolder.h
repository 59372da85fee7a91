#pragma once

#include <optional>
#include <string>
#include <vector>

#include "recovery/RecoveryRecord.h"

namespace htmlsim {

// The folder of recovery copies, readable by its owner alone. Each copy is known by an id and
// kept as three files: "<id>.html" (the document's bytes), "<id>.json" (its record) and
// "<id>.lock" (held by the editor that works on it).
class RecoveryFolder {
  public:
    explicit RecoveryFolder(std::string path) : mPath(std::move(path)) {}

    // $XDG_DATA_HOME/htmlsim/recovery, or ~/.local/share/htmlsim/recovery.
    static std::string DefaultPath();

    const std::string& Path() const { return mPath; }
    std::string LockPath(const std::string& id) const;
    // Makes the folder when missing and lets its owner alone in. Throws RuntimeError.
    void Prepare() const;

    // Writes the copy and then its record, each atomically, making the folder when missing.
    // Throws RuntimeError with a readable description.
    void Write(const std::string& id, const std::string& text, const RecoveryRecord& record);
    // Removes the copy and its record (not the lock); a missing file is no failure.
    void Remove(const std::string& id);

    // Every id with a record or a lock in the folder, sorted.
    std::vector<std::string> Ids() const;
    // None when the record is missing or unreadable (then the copy is left alone).
    std::optional<RecoveryRecord> Record(const std::string& id) const;
    // Throws RuntimeError when the copy cannot be read.
    std::string Text(const std::string& id) const;

  private:
    std::string FileOf(const std::string& id, const char* extension) const;

    std::string mPath;
};

}  // namespace htmlsim
