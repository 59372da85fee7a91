#include "session/UndoHistory.h"

#include <algorithm>

namespace htmlsim {

void UndoHistory::Reset(std::string text) {
    Reset(std::make_shared<const std::string>(std::move(text)));
}

void UndoHistory::Reset(std::shared_ptr<const std::string> text) {
    mCurrent = std::move(text);
    mUndo.clear();
    mRedo.clear();
}

bool UndoHistory::Record(const std::string& text) {
    return text != *mCurrent && Record(std::make_shared<const std::string>(text));
}

bool UndoHistory::Record(std::shared_ptr<const std::string> text) {
    if (text == mCurrent || *text == *mCurrent) {
        return false;
    }
    mUndo.push_back(Difference(*mCurrent, *text));
    mRedo.clear();
    if (mUndo.size() > kMaxSteps) {
        mUndo.pop_front();
    }
    mCurrent = std::move(text);
    return true;
}

std::optional<std::string> UndoHistory::Undo() {
    return Move(mUndo, mRedo, false);
}

std::optional<std::string> UndoHistory::Redo() {
    return Move(mRedo, mUndo, true);
}

template <typename From, typename To>
std::optional<std::string> UndoHistory::Move(From& from, To& to, bool forward) {
    if (from.empty()) {
        return std::nullopt;
    }
    mCurrent = std::make_shared<const std::string>(Apply(*mCurrent, from.back(), forward));
    to.push_back(std::move(from.back()));
    from.pop_back();
    return *mCurrent;
}

UndoHistory::Step UndoHistory::Difference(const std::string& before, const std::string& after) {
    const size_t shorter = std::min(before.size(), after.size());
    const size_t prefix =
        std::mismatch(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(shorter),
                      after.begin())
            .first -
        before.begin();
    const size_t room = shorter - prefix;
    const size_t suffix =
        std::mismatch(before.rbegin(), before.rbegin() + static_cast<std::ptrdiff_t>(room),
                      after.rbegin())
            .first -
        before.rbegin();
    return {prefix, suffix, before.substr(prefix, before.size() - prefix - suffix),
            after.substr(prefix, after.size() - prefix - suffix)};
}

std::string UndoHistory::Apply(const std::string& text, const Step& step, bool forward) {
    const std::string& removed = forward ? step.before : step.after;
    const std::string& inserted = forward ? step.after : step.before;
    std::string result = text.substr(0, step.prefix);
    result += inserted;
    result.append(text, step.prefix + removed.size(), std::string::npos);
    return result;
}

}  // namespace htmlsim
