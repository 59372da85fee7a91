#pragma once

#include <string>
#include <string_view>

#include "text/TextEncoding.h"

namespace htmlsim {

// How a document's bytes become the text a person edits: UTF-8 documents stay UTF-8, any other
// is read as Windows-1252; every line break (CR LF or LF) becomes "\n" while editing. A text box
// takes every CR for a line break, so any other CR is shown as the symbol U+240D.
struct EditorEncoding {
    bool windows1252 = false;
    std::string_view lineBreak = "\r\n";  // the document's, for lines typed anew
    bool markCarriageReturns = true;      // false when the document holds the symbol itself
};

// The document's encoding was decided when it was read.
EditorEncoding DetectEditorEncoding(std::string_view document, TextEncoding textEncoding);

// Document bytes -> UTF-8 with "\n" line breaks. Every byte maps to a character of its own, so
// an unedited text converts back to the same bytes.
std::string ToEditorText(std::string_view bytes, const EditorEncoding& encoding);

// UTF-8 with "\n" line breaks -> document bytes, for the text that was shown from `shown`. A
// line found unchanged in `shown` keeps its line break there; every other line gets the
// document's. A character Windows-1252 cannot hold becomes "?".
std::string FromEditorText(std::string_view text, const EditorEncoding& encoding,
                           std::string_view shown);

}  // namespace htmlsim
