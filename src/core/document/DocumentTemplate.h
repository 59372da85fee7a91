#pragma once

#include <string>

namespace htmlsim {

inline constexpr const char* kStyleSheetFileName = "MyStyle.css";
inline constexpr const char* kScriptFileName = "HTMLSimulation.js";

// The text every new document starts from, with its named sections in the places the writers
// expect them.
const std::string& NewDocumentTemplate();

// The support files a page relies on, beside the document.
const std::string& StyleSheetText();
const std::string& ScriptText();

}  // namespace htmlsim
