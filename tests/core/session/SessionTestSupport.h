#pragma once

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "FakeSessionView.h"
#include "TempFolder.h"
#include "session/Session.h"

namespace htmlsim::testing {

// A session over a scratch folder with a fake window and scripted dialogs.
class SessionTest : public ::testing::Test {
  protected:
    SessionTest() : session(dialogs, folder.File("program")) { session.SetView(&view); }

    std::string File(const std::string& name) const { return folder.File(name); }
    std::string Read(const std::string& name) const { return ReadFileBytes(folder.File(name)); }
    void Write(const std::string& name, const std::string& bytes) const {
        WriteFileBytes(folder.File(name), bytes);
    }
    // What typing in the Document Editor does.
    void Type(const std::string& text) {
        view.editorText = text;
        session.EditorTextChanged();
    }

    TempFolder folder;
    FakeDialogs dialogs;
    FakeSessionView view;
    Session session;
};

}  // namespace htmlsim::testing
