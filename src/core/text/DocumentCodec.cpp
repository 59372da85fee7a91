#include "text/DocumentCodec.h"

#include "document/SectionDocument.h"

namespace htmlsim {

DocumentCodec::DocumentCodec(std::string_view document)
    : mEncoding(DetectTextEncoding(document)), mLineBreak(DocumentLineBreak(document)) {}

std::string DocumentCodec::Decode(std::string_view bytes) const {
    return DecodeText(bytes, mEncoding);
}

std::string DocumentCodec::DecodeLines(std::string_view bytes) const {
    std::string lines;
    lines.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') {
            lines += bytes[i];
        } else if (i + 1 == bytes.size() || bytes[i + 1] != '\n') {
            lines += '\n';
        }
    }
    return Decode(lines);
}

std::string DocumentCodec::Encode(std::string_view text) const {
    std::string withLineBreaks;
    withLineBreaks.reserve(text.size());
    for (const char c : text) {
        if (c == '\n') {
            withLineBreaks += mLineBreak;
        } else {
            withLineBreaks += c;
        }
    }
    return EncodeHtmlText(withLineBreaks, mEncoding);
}

void DocumentCodec::Update(std::string& field, std::string_view text) const {
    if (text != Decode(field) && text != DecodeLines(field)) {
        field = Encode(text);
    }
}

std::optional<std::string> DocumentCodec::ScriptRefusal(std::string_view text,
                                                        std::string_view fieldName) const {
    const auto unheld = FirstUnheldCharacter(text, mEncoding);
    if (!unheld) {
        return std::nullopt;
    }
    return "The " + std::string(fieldName) + " holds " + *unheld + ", which a " +
           EncodingName(mEncoding) +
           " document cannot hold in a script. Please choose another character.";
}

}  // namespace htmlsim
