#pragma once

#include <QStringList>

namespace htmlsim::gui::testing {

// The argument that turns the test binary into a scripted editor.
inline constexpr const char* kScriptedEditorOption = "--scripted-editor";

// An editor driven through its own window, as a person would: it opens the command line's
// document, draws an area on the image map "Map1" when asked to, types the text and a line break at
// the end of the named section in the Document Editor, lets its recovery copy's time come, and
// prints "ready" on stdout once the copy is on disk. Then it runs until it is killed. Arguments:
// command line, section name, text to type, and "draw" to draw an area first.
int RunScriptedEditor(const QStringList& arguments);

}  // namespace htmlsim::gui::testing
