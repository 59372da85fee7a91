#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/TextEncoding.h"

namespace htmlsim {

// The one way between a document's bytes and the text a person sees and types. The document's
// encoding and line break are decided once, when it is read; every field shown in a dialog or
// on the surface is decoded here, and every typed text encoded here.
class DocumentCodec {
  public:
    // A new document: UTF-8 with CR LF line breaks.
    DocumentCodec() = default;
    explicit DocumentCodec(std::string_view document);

    TextEncoding Encoding() const { return mEncoding; }
    // CR LF when the document has any, LF when it has only those, CR LF when it has no line.
    const std::string& LineBreak() const { return mLineBreak; }

    // Bytes of the document -> UTF-8, line breaks as they stand.
    std::string Decode(std::string_view bytes) const;
    // The same with every line break (CR LF, CR, LF) as "\n", as a multi-line box shows it.
    std::string DecodeLines(std::string_view bytes) const;
    // Typed UTF-8 -> bytes for HTML text or an attribute value: "\n" becomes the document's
    // line break, a character the encoding cannot hold a numeric character reference.
    std::string Encode(std::string_view text) const;
    // Writes typed text into a field; a field whose text the user did not change keeps its
    // bytes (its line breaks, no-break spaces and the bytes of its encoding).
    void Update(std::string& field, std::string_view text) const;

    // Text that goes into JavaScript cannot take a character reference: the message refusing
    // a character the encoding cannot hold, naming the field; nullopt when it holds them all.
    std::optional<std::string> ScriptRefusal(std::string_view text,
                                             std::string_view fieldName) const;

  private:
    TextEncoding mEncoding = TextEncoding::Utf8;
    std::string mLineBreak = "\r\n";
};

}  // namespace htmlsim
