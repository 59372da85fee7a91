#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "json/JsonRecordStream.h"

namespace htmlsim::cli {
namespace {

using Json = nlohmann::ordered_json;

// The design's JSON used to be one tree dumped whole; written record by record it must stay the
// same bytes, texts that need escaping or are not UTF-8 included.
TEST(JsonRecordStreamTest, WritesWhatTheWholeTreeDumpWrote) {
    const std::string texts[] = {"plain",
                                 "",
                                 "quote \" and back\\slash",
                                 "tab\tline\r\nbell\x07 nul" + std::string(1, '\0'),
                                 "Caf\xc3\xa9 \xe2\x80\x93 UTF-8",
                                 "Caf\xe9 \x93Latin-1\x94 \xff",
                                 "cut \xe2\x80"};
    std::ostringstream streamed;
    JsonRecordStream json(streamed);
    Json tree = Json::object();
    json.BeginArray("records");
    tree["records"] = Json::array();
    for (int i = 0; i < static_cast<int>(std::size(texts)); ++i) {
        json.BeginRecord();
        json.Number("Index", -i);
        json.Text("Text", texts[i]);
        json.Flag("Odd", i % 2 == 1);
        json.EndRecord();
        tree["records"].push_back({{"Index", -i}, {"Text", texts[i]}, {"Odd", i % 2 == 1}});
    }
    json.EndArray();
    json.BeginArray("none");
    tree["none"] = Json::array();
    json.EndArray();
    json.BeginArray("empty records");
    json.BeginRecord();
    json.EndRecord();
    json.EndArray();
    tree["empty records"] = Json::array({Json::object()});
    json.Finish();

    EXPECT_EQ(streamed.str(), tree.dump(2, ' ', false, Json::error_handler_t::replace));
}

TEST(JsonRecordStreamTest, AnObjectWithoutArraysIsEmpty) {
    std::ostringstream streamed;
    JsonRecordStream(streamed).Finish();
    EXPECT_EQ(streamed.str(), Json::object().dump(2));
}

}  // namespace
}  // namespace htmlsim::cli

namespace htmlsim::cli {
namespace {

// What is written goes out in blocks: texts ending just before, at and after a block's end, and
// texts larger than a block, must come out whole and in order.
TEST(JsonRecordStreamTest, TextsAcrossAndBeyondItsBlocksComeOutWhole) {
    std::ostringstream streamed;
    JsonRecordStream json(streamed);
    nlohmann::ordered_json tree = nlohmann::ordered_json::object();
    tree["records"] = nlohmann::ordered_json::array();
    json.BeginArray("records");
    for (const size_t size : {10, 65'500, 65'536, 65'537, 3, 200'000, 131'071}) {
        for (int copy = 0; copy < 3; ++copy) {
            const std::string text(size, static_cast<char>('a' + copy));
            json.BeginRecord();
            json.Text("Text", text);
            json.Number("Size", static_cast<long long>(size));
            json.EndRecord();
            tree["records"].push_back({{"Text", text}, {"Size", size}});
        }
    }
    json.EndArray();
    json.Finish();

    EXPECT_EQ(streamed.str(), tree.dump(2));
}

}  // namespace
}  // namespace htmlsim::cli
