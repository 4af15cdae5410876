// JSON text as the machine face writes it: always one valid line, whatever the text holds.
#include <gtest/gtest.h>

#include "JsonLine.h"

namespace pennantry {
namespace {

TEST(JsonString, EscapesWhatJsonRequiresAndKeepsOrReplacesEveryOtherByte)
{
    struct Case {
        std::string text;
        std::string json;
    };
    const std::vector<Case> cases{
        {"", R"("")"},
        {"UMPIRE: Ball one!", R"("UMPIRE: Ball one!")"},
        {"a\"b\\c", R"("a\"b\\c")"},
        {"line\nnext\r\ttab", R"("line\nnext\r\ttab")"},
        {std::string("\x00\x01\x1f\x7f", 4), R"("\u0000\u0001\u001f\u007f")"},
        {"caf\xc3\xa9 \xe2\x9a\xbe \xf0\x9f\x8f\x9f", "\"caf\xc3\xa9 \xe2\x9a\xbe \xf0\x9f\x8f\x9f\""},
        {"\xff", R"("\ufffd")"},
        {"\xc3", R"("\ufffd")"},                          // cut short at the end
        {"\xc3(", R"("\ufffd(")"},                        // cut short by ASCII
        {"\xc0\xaf", R"("\ufffd\ufffd")"},                // overlong
        {"\xed\xa0\x80", R"("\ufffd\ufffd\ufffd")"},      // a surrogate
        {"\xf4\x90\x80\x80", R"("\ufffd\ufffd\ufffd\ufffd")"},  // beyond U+10FFFF
    };
    for (const Case& c : cases)
        EXPECT_EQ(JsonString(c.text), c.json) << c.json;
}

TEST(JsonLine, WritesMembersInTheOrderAddedWithNestedObjectsAsGiven)
{
    const std::string nested = JsonLine().Add("HumanHp", "50").Text();
    EXPECT_EQ(JsonLine().Add("op", "base").Add("base", 2).Add("occupied", false).AddRaw("labels", nested).Text(),
              R"({"op":"base","base":2,"occupied":false,"labels":{"HumanHp":"50"}})");
}

}  // namespace
}  // namespace pennantry
