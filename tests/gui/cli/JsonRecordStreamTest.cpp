#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "json/JsonRecordStream.h"

namespace htmlsim::cli {
namespace {

using Json = nlohmann::ordered_json;

// The design's JSON used to be one tree dumped whole; written record by record it must stay the
// same bytes: texts that need escaping or are not UTF-8, and texts that end just before, at and
// after the end of a block it goes out in, or are larger than a block, included.
TEST(JsonRecordStreamTest, WritesWhatTheWholeTreeDumpWrote) {
    std::vector<std::string> texts{"plain",
                                   "",
                                   "quote \" and back\\slash",
                                   "tab\tline\r\nbell\x07 nul" + std::string(1, '\0'),
                                   "Caf\xc3\xa9 \xe2\x80\x93 UTF-8",
                                   "Caf\xe9 \x93Latin-1\x94 \xff",
                                   "cut \xe2\x80"};
    for (const size_t size : {10, 65'500, 65'536, 65'537, 3, 200'000, 131'071}) {
        for (const char letter : {'a', 'b', 'c'}) {
            texts.emplace_back(size, letter);
        }
    }
    std::ostringstream streamed;
    JsonRecordStream json(streamed);
    Json tree = Json::object();
    json.BeginArray("records");
    tree["records"] = Json::array();
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
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
