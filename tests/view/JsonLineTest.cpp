// JSON text as the machine face writes it: always one valid line, whatever the text holds.
#include <gtest/gtest.h>

#include "JsonLine.h"

namespace pennantry {
namespace {

TEST(JsonString, EscapesWhatJsonRequiresAndReplacesBytesThatAreNotUtf8)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"a\"b\\c", R"("a\"b\\c")"},
        {"line\nnext\r\ttab", R"("line\nnext\r\ttab")"},
        {std::string("\x00\x01\x1f\x7f", 4), R"("\u0000\u0001\u001f\u007f")"},
        {"caf\xc3\xa9 \xf0\x9f\x8f\x9f \xe0\xa0\x80", "\"caf\xc3\xa9 \xf0\x9f\x8f\x9f \xe0\xa0\x80\""},  // U+0800 too
        {"\xc3(", R"("\ufffd(")"},                              // cut short
        {"\xc0\xaf", R"("\ufffd\ufffd")"},                      // overlong
        {"\xed\xa0\x80", R"("\ufffd\ufffd\ufffd")"},            // a surrogate
        {"\xf4\x90\x80\x80", R"("\ufffd\ufffd\ufffd\ufffd")"},  // beyond U+10FFFF
    };
    for (const auto& [text, json] : cases)
        EXPECT_EQ(JsonString(text), json);
}

}  // namespace
}  // namespace pennantry
