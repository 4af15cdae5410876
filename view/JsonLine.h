// One JSON object written as a single line, with every text escaped so the line stays valid.
#pragma once

#include <string>
#include <string_view>

namespace pennantry {

// Builds {"key":value,...} in the order the members are added.
class JsonLine {
public:
    JsonLine& Add(std::string_view key, std::string_view text);
    JsonLine& Add(std::string_view key, const char* text) { return Add(key, std::string_view(text)); }
    JsonLine& Add(std::string_view key, bool value);
    JsonLine& Add(std::string_view key, int value);
    // A member whose value is already JSON (a nested object).
    JsonLine& AddRaw(std::string_view key, std::string_view json);
    std::string Text() const { return text_ + "}"; }

private:
    void Key(std::string_view key);
    std::string text_ = "{";
};

// A JSON string literal. Quotes, backslashes and control characters are escaped; valid UTF-8 passes
// through as it is, and each byte that is not part of a valid UTF-8 sequence becomes \ufffd.
std::string JsonString(std::string_view text);

}  // namespace pennantry
