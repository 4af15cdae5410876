// Reading and writing the numbers that the game state keeps as text.
#include "Text.h"

#include <algorithm>
#include <limits>

namespace pennantry {
namespace {

constexpr std::int64_t Lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Highest = std::numeric_limits<std::int32_t>::max();

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::int32_t ReadAnyNumber(std::string_view text)
{
    // Nearly every field is a few digits and nothing else: those read without the general rules.
    if (!text.empty() && text.size() <= 9) {
        std::int32_t value = 0;
        std::size_t i = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            value = value * 10 + (text[i] - '0');
        if (i == text.size())
            return value;
    }
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate no further than one past the bound, so any length of digits stays in range.
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), Highest + 1);
    return static_cast<std::int32_t>(std::clamp(negative ? -value : value, Lowest, Highest));
}

std::string WriteNumber(std::int64_t value)
{
    return std::to_string(std::clamp(value, Lowest, Highest));
}

void RaiseByOne(std::string& field) { WriteNumber(field, std::int64_t{ReadNumber(field)} + 1); }

}  // namespace pennantry
