#pragma once

#include <string>

#include "services/Dialogs.h"

namespace htmlsim {

// A user who reads every message and cancels every question: fuzzed input may be refused,
// never crash.
class FuzzDialogs : public Dialogs {
  public:
    void Message(const std::string&, const std::string&, MessageIcon) override {}
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string OpenFileName(const FileDialogRequest&) override { return {}; }
    std::string SaveFileName(const FileDialogRequest&) override { return {}; }
    std::string BrowseForFolder(const std::string&, const std::string&) override { return {}; }
};

// The fuzzer's bytes cut in two at the first NUL (or kept whole when there is none).
inline std::pair<std::string, std::string> SplitAtNul(const uint8_t* data, size_t size) {
    const std::string whole(reinterpret_cast<const char*>(data), size);
    const size_t nul = whole.find('\0');
    if (nul == std::string::npos) {
        return {whole, {}};
    }
    return {whole.substr(0, nul), whole.substr(nul + 1)};
}

}  // namespace htmlsim
