// Numbers held as text: the reading rule, the bounds, and raising a field.
#include <gtest/gtest.h>

#include "Text.h"

namespace pennantry {
namespace {

TEST(Text, ReadsLikeAtoiAndClampsToThe32BitRange)
{
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"", 0}, {"abc", 0}, {"12", 12}, {"  7x", 7}, {"\t-3", -3}, {"+5", 5}, {"- 5", 0}, {"05", 5},
        {"2147483647", 2147483647}, {"2147483648", 2147483647}, {"99999999999999999999999", 2147483647},
        {"-2147483648", -2147483647 - 1}, {"-99999999999999999999", -2147483647 - 1}, {"3.9", 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(Text, RaisingAFieldAddsOneAndStopsAtTheUpperBound)
{
    const struct {
        const char* before;
        const char* after;
    } cases[] = {{"9", "10"}, {"x", "1"}, {"", "1"}, {"-1", "0"}, {"2147483647", "2147483647"}, {"9999999999", "2147483647"}};
    for (const auto& c : cases) {
        std::string field = c.before;
        RaiseByOne(field);
        EXPECT_EQ(field, c.after) << '"' << c.before << '"';
    }
}

}  // namespace
}  // namespace pennantry
