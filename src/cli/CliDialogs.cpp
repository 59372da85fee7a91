#include "CliDialogs.h"

#include <iostream>

namespace htmlsim::cli {

namespace {

// A message names what it read, which may hold line breaks or other control bytes: they are
// written as escapes so that each message stays one line.
std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else if (byte < 0x20 && c != '\t') {
            static const char kHex[] = "0123456789abcdef";
            line += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace

void CliDialogs::Message(const std::string& text, const std::string&, MessageIcon) {
    ++mMessageCount;
    const std::string line = "message: " + OneLine(text) + '\n';
    if (mHolding) {
        mHeld += line;
    } else {
        std::cerr << line;
    }
}

void CliDialogs::Release() {
    mHolding = false;
    std::cerr << mHeld;
    mHeld.clear();
}

std::string CliDialogs::InputBox(const std::string&, const std::string&,
                                 const std::string& defaultText) {
    return defaultText;
}

bool CliDialogs::AskYesNo(const std::string&, const std::string&) {
    return false;
}

std::string CliDialogs::OpenFileName(const FileDialogRequest&) {
    return {};
}

std::string CliDialogs::SaveFileName(const FileDialogRequest&) {
    return {};
}

std::string CliDialogs::BrowseForFolder(const std::string&, const std::string&) {
    return {};
}

}  // namespace htmlsim::cli
