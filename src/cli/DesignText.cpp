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

Json DecodedDesign(const Json& design, const DocumentCodec& codec) {
    Json decoded = {{"encoding", EncodingName(codec.Encoding())}};
    for (const auto& [key, value] : design.items()) {
        decoded[key] = value;
        if (key != "messages") {
            DecodeTexts(decoded[key], codec);
        }
    }
    return decoded;
}

}  // namespace htmlsim::cli
