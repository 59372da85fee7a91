#include "recovery/LineDifference.h"

#include <algorithm>

#include <dtl/dtl.hpp>

namespace htmlsim {

namespace {

// Lines without their breaks (CR LF or LF); a final line break opens no empty line, so a file
// and the same text without its last break compare equal.
std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const size_t next = end == std::string_view::npos ? text.size() : end + 1;
        end = end == std::string_view::npos ? text.size() : end;
        if (end > start && text[end - 1] == '\r') {
            --end;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = next;
    }
    return lines;
}

using LineScript = std::vector<std::pair<std::string, dtl::elemInfo>>;

LineScript EditScript(std::string_view before, std::string_view after) {
    dtl::Diff<std::string, std::vector<std::string>> diff(LinesOf(before), LinesOf(after));
    // Large documents get a near-shortest script in bounded time.
    diff.onHuge();
    diff.compose();
    return diff.getSes().getSequence();
}

}  // namespace

LineChanges CountLineChanges(std::string_view before, std::string_view after) {
    LineChanges changes;
    for (const auto& [line, info] : EditScript(before, after)) {
        changes.added += info.type == dtl::SES_ADD ? 1 : 0;
        changes.removed += info.type == dtl::SES_DELETE ? 1 : 0;
    }
    return changes;
}

std::vector<SideBySideRow> SideBySide(std::string_view before, std::string_view after) {
    std::vector<SideBySideRow> rows;
    // The lines removed and added between two common ones pair up, in order, as changed rows.
    std::vector<std::string> removed;
    std::vector<std::string> added;
    const auto flushChanges = [&] {
        for (size_t k = 0; k < std::max(removed.size(), added.size()); ++k) {
            const bool hasBefore = k < removed.size();
            const bool hasAfter = k < added.size();
            rows.push_back({hasBefore && hasAfter ? SideBySideRow::Kind::Changed
                            : hasBefore           ? SideBySideRow::Kind::Removed
                                                  : SideBySideRow::Kind::Added,
                            hasBefore ? removed[k] : "", hasAfter ? added[k] : ""});
        }
        removed.clear();
        added.clear();
    };
    for (const auto& [line, info] : EditScript(before, after)) {
        if (info.type == dtl::SES_COMMON) {
            flushChanges();
            rows.push_back({SideBySideRow::Kind::Same, line, line});
        } else {
            (info.type == dtl::SES_DELETE ? removed : added).push_back(line);
        }
    }
    flushChanges();
    return rows;
}

}  // namespace htmlsim
