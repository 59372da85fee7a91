#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace htmlsim {

// The steps of a document's text for Undo and Redo. The text is the page's only state, so a
// step is the text before and after a change; only the changed middle of the two is kept, so
// hundreds of steps of a large document cost little.
class UndoHistory {
  public:
    static constexpr size_t kMaxSteps = 200;

    // A new history starting at this text; shared, it is held without a copy of its own.
    void Reset(std::string text);
    void Reset(std::shared_ptr<const std::string> text);
    // The last text known, shared: a large document is not held once more for each holder.
    const std::shared_ptr<const std::string>& Current() const { return mCurrent; }
    // Takes the text as it is now: when it differs from the last text known, that change
    // becomes a step and the steps to redo are dropped. True when a step was added.
    bool Record(const std::string& text);
    // The same for a shared text, which is then held without a copy.
    bool Record(std::shared_ptr<const std::string> text);

    bool CanUndo() const { return !mUndo.empty(); }
    bool CanRedo() const { return !mRedo.empty(); }
    // The text before the last step (after the next one to redo); nullopt when there is none.
    std::optional<std::string> Undo();
    std::optional<std::string> Redo();

  private:
    struct Step {
        size_t prefix = 0;  // bytes the texts share at the start
        size_t suffix = 0;  // and at the end
        std::string before;
        std::string after;
    };

    static Step Difference(const std::string& before, const std::string& after);
    static std::string Apply(const std::string& text, const Step& step, bool forward);
    // Takes the last step of `from` (forward: redone, else undone) onto `to`.
    template <typename From, typename To>
    std::optional<std::string> Move(From& from, To& to, bool forward);

    std::shared_ptr<const std::string> mCurrent = std::make_shared<const std::string>();
    std::deque<Step> mUndo;
    std::vector<Step> mRedo;
};

}  // namespace htmlsim
