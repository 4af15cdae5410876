// Numbers in the game state live as text; these are the only ways to read and write them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pennantry {

// Reads like atoi: leading white space, an optional sign, then digits; anything else ends the
// number, and text that does not begin with one reads as 0. Values beyond the 32-bit range
// read as the nearest bound, so a hand-edited field can never overflow what is built from it.
std::int32_t ReadAnyNumber(std::string_view text);
// The same; a lone digit, as nearly every count and level is, is read without a call.
inline std::int32_t ReadNumber(std::string_view text)
{
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9')
        return text[0] - '0';
    return ReadAnyNumber(text);
}

// Decimal text of a value, clamped to the 32-bit range so that it always reads back the same.
std::string WriteNumber(std::int64_t value);

// The same text written into a field in place; a one-digit value (nearly every count and
// level) is written without a call or a new string.
inline void WriteNumber(std::string& field, std::int64_t value)
{
    if (value >= 0 && value <= 9 && field.size() == 1)
        field[0] = static_cast<char>('0' + value);
    else
        field = WriteNumber(value);
}

// Adds one to the number a field holds; a field at the upper bound stays there.
void RaiseByOne(std::string& field);

}  // namespace pennantry
