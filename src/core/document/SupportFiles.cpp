#include "document/SupportFiles.h"

#include "components/FileHelper.h"
#include "document/DocumentTemplate.h"
#include "util/WholeFile.h"

namespace htmlsim {

namespace {

void WriteIfMissing(const std::string& path, const std::string& text) {
    if (!FileHelper::FileExists(path)) {
        WriteWholeFileAtomically(path, text);
    }
}

}  // namespace

void WriteMissingSupportFiles(const std::string& folder) {
    WriteIfMissing(folder + kScriptFileName, ScriptText());
    WriteIfMissing(folder + kStyleSheetFileName, StyleSheetText());
}

}  // namespace htmlsim
