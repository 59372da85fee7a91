#include "DesignText.h"

namespace htmlsim::cli {

namespace {

using Json = nlohmann::ordered_json;

void DecodeTexts(Json& value, const DocumentCodec& codec) {
    if (value.is_string()) {
        value = codec.Decode(value.get_ref<const std::string&>());
    } else if (value.is_structured()) {
        for (Json& item : value) {
            DecodeTexts(item, codec);
        }
    }
}

}  // namespace

Json DecodedDesign(Json design, const DocumentCodec& codec) {
    Json decoded = {{"encoding", EncodingName(codec.Encoding())}};
    for (auto& [key, value] : design.items()) {
        if (key != "messages") {
            DecodeTexts(value, codec);
        }
        decoded[key] = std::move(value);
    }
    return decoded;
}

}  // namespace htmlsim::cli
