#include "CliDialogs.h"

#include <iostream>

namespace htmlsim::cli {

void CliDialogs::Message(const std::string& text, const std::string&, MessageIcon) {
    ++mMessageCount;
    std::cerr << "message: " << text << '\n';
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
