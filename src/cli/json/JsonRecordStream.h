#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace htmlsim::cli {

// Writes one JSON object of named arrays of flat records, field by field, byte for byte as
// nlohmann's dump with an indent of 2 writes the same tree, so that a large design is never
// held as a tree. Texts that are not UTF-8 are written with replacement characters. What is
// written is gathered in a block and sent in large pieces; all of it is sent by Finish.
class JsonRecordStream {
  public:
    explicit JsonRecordStream(std::ostream& out);

    // A text field of the object itself, before its arrays.
    void TopText(std::string_view name, std::string_view value);
    // Texts of the records written from now on pass through `decode` first; an empty one
    // writes them as they are.
    void DecodeTextsWith(std::function<std::string(std::string_view)> decode);

    void BeginArray(std::string_view name);
    void BeginRecord();
    void Text(std::string_view name, std::string_view value);
    void Number(std::string_view name, long long value);
    void Flag(std::string_view name, bool value);
    void EndRecord();
    void EndArray();
    // Closes the object and sends what is left; nothing may be written after it.
    void Finish();

  private:
    void FieldName(std::string_view name);
    void Quoted(std::string_view text);
    void Escaped(std::string text);
    // Gathers the piece; a full block is sent.
    void Put(std::string_view piece);
    void Send();

    std::ostream& mOut;
    std::string mBlock;  // what is written and not yet sent
    std::function<std::string(std::string_view)> mDecode;
    bool mFirstArray = true;
    bool mFirstRecord = true;
    bool mFirstField = true;
};

}  // namespace htmlsim::cli
