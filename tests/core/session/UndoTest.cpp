#include <gtest/gtest.h>

#include "DesignTestSupport.h"
#include "session/UndoHistory.h"

namespace htmlsim::testing {
namespace {

TEST(UndoHistory, StepsBackAndForthAndABranchDropsWhatWasUndone) {
    UndoHistory history;
    history.Reset("one two three");
    EXPECT_FALSE(history.Record("one two three"));  // nothing changed: no step
    EXPECT_TRUE(history.Record("one 2 three"));
    EXPECT_TRUE(history.Record("one 2 three four"));
    EXPECT_TRUE(history.Record("zero one 2 three four"));
    EXPECT_EQ(history.Undo(), "one 2 three four");
    EXPECT_EQ(history.Undo(), "one 2 three");
    EXPECT_EQ(history.Redo(), "one 2 three four");
    history.Undo();
    EXPECT_EQ(history.Undo(), "one two three");
    EXPECT_EQ(history.Undo(), std::nullopt);
    EXPECT_TRUE(history.CanRedo());

    history.Record("one two three!");
    EXPECT_EQ(history.Redo(), std::nullopt);
    EXPECT_EQ(history.Undo(), "one two three");
}

TEST(UndoHistory, KeepsTwoHundredStepsOfARepeatingText) {
    UndoHistory history;
    std::string text = "aaaa";
    history.Reset(text);
    for (int k = 0; k < 250; ++k) {
        text.insert(text.size() / 2, std::to_string(k % 10));  // changes in the middle
        history.Record(text);
    }
    int steps = 0;
    std::optional<std::string> back;
    while ((back = history.Undo())) {
        text = *back;
        ++steps;
    }
    EXPECT_EQ(steps, 200);
    EXPECT_EQ(text.size(), 4u + 50u);
}

// Another document starts a history of its own.
TEST_F(DesignTest, OpeningADocumentStartsANewHistory) {
    Choose(250, 150, "mnuPalDefineClickableArea");
    LeftDrag(200, 100, 260, 130, 1);
    session.RecordEdit();
    ASSERT_TRUE(session.CanUndo());
    session.OpenDocument(File("index.html"));
    EXPECT_FALSE(session.CanUndo());
}

}  // namespace
}  // namespace htmlsim::testing
