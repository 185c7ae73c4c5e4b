// JSON output: lossless, properly escaped strings and a stable layout.
#include "JsonWriter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kestrune::cli {
namespace {

struct QuoteCase {
    const char* name;
    std::string bytes;
    std::string expected;
};

// Rows print as their names in test output.
void PrintTo(const QuoteCase& row, std::ostream* os) {
    *os << row.name;
}

class JsonQuoteCases : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(JsonQuoteCases, Escapes) {
    EXPECT_EQ(JsonQuote(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    JsonQuote, JsonQuoteCases,
    ::testing::Values(QuoteCase{"Empty", "", "\"\""},
                      QuoteCase{"QuoteAndBackslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
                      QuoteCase{"LineBreaksAndTabs", "a\r\nb\tc", "\"a\\r\\nb\\tc\""},
                      QuoteCase{"OtherControlCharacters", std::string("\x01\x1f\b\f\x7f", 5),
                                "\"\\u0001\\u001f\\b\\f\\u007f\""},
                      QuoteCase{"NulByte", std::string("a\0b", 3), "\"a\\u0000b\""},
                      QuoteCase{"Latin1ByteBecomesItsCharacter", "Andr\xe9", "\"Andr\xc3\xa9\""},
                      QuoteCase{"ValidUtf8StaysAsItIs", "Andr\xc3\xa9 \xe2\x82\xac",
                                "\"Andr\xc3\xa9 \xe2\x82\xac\""},
                      QuoteCase{"SlashIsLeftAlone", "a/b", "\"a/b\""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(JsonWriter, IndentsNestedValuesAndKeepsEmptyOnesOnOneLine) {
    std::ostringstream out;
    JsonWriter json(out);
    json.BeginObject();
    json.Key("name").String("x");
    json.Key("list").BeginArray().Int(1).Bool(false).BeginObject().Key("a").Int(-2);
    json.EndObject().EndArray();
    json.Key("none").BeginArray().EndArray();
    json.Key("empty").BeginObject().EndObject();
    json.EndObject();
    json.Finish();

    EXPECT_EQ(out.str(),
              "{\n"
              "  \"name\": \"x\",\n"
              "  \"list\": [\n"
              "    1,\n"
              "    false,\n"
              "    {\n"
              "      \"a\": -2\n"
              "    }\n"
              "  ],\n"
              "  \"none\": [],\n"
              "  \"empty\": {}\n"
              "}\n");
}

}  // namespace
}  // namespace kestrune::cli
