// Numbers held as text: the reading rule, the bounds, and raising a field.
#include <gtest/gtest.h>

#include "Text.h"

namespace pennantry {
namespace {

TEST(Text, ReadsLikeAtoiAndClampsToThe32BitRange)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"", 0}, {"abc", 0}, {"12", 12}, {"  7x", 7}, {"\t-3", -3}, {"+5", 5}, {"- 5", 0}, {"05", 5},
        {"2147483647", 2147483647}, {"2147483648", 2147483647}, {"99999999999999999999999", 2147483647},
        {"-2147483648", -2147483647 - 1}, {"-99999999999999999999", -2147483647 - 1}, {"3.9", 3},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ReadNumber(text), value) << '"' << text << '"';
}

TEST(Text, RaisingAFieldAddsOneAndStopsAtTheUpperBound)
{
    for (const auto& [before, after] : {std::pair{"9", "10"}, {"x", "1"}, {"", "1"}, {"-1", "0"}, {"2147483647", "2147483647"},
                                        {"9999999999", "2147483647"}}) {
        std::string field = before;
        RaiseByOne(field);
        EXPECT_EQ(field, after) << '"' << before << '"';
    }
}

}  // namespace
}  // namespace pennantry
