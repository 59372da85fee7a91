#include "codelib/LineBreaks.h"

namespace htmlsim {

std::string WithStoredLineBreaks(const std::string& edited, const std::string& stored) {
    const bool bareLineFeeds =
        stored.find('\n') != std::string::npos && stored.find("\r\n") == std::string::npos;
    if (bareLineFeeds) {
        return edited;
    }
    std::string text;
    text.reserve(edited.size() + edited.size() / 16);
    for (size_t i = 0; i < edited.size(); ++i) {
        if (edited[i] == '\n' && (i == 0 || edited[i - 1] != '\r')) {
            text += '\r';
        }
        text += edited[i];
    }
    return text;
}

}  // namespace htmlsim
