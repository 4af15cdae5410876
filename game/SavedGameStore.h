// The store of named text values that keeps the one saved game between runs.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pennantry {

class SavedGameStore {
public:
    virtual ~SavedGameStore() = default;

    // Opens the store for reading, creating it when there is none yet. False only when it can
    // be neither read nor created; the program then ends before any game.
    virtual bool Open() = 0;

    // Why the last Open failed, saying what is wrong and where; empty when the store simply could
    // not be created, which the player is told needs administrator rights.
    virtual std::string Refusal() const { return {}; }

    // The text of one value, or nothing when it is missing or cannot be read.
    virtual std::optional<std::string> Read(std::string_view name) = 0;

    // Replaces the whole saved set at once, values in the order given. Nothing when the set was
    // saved; otherwise the reason it was not, in words the player can act on. A save that fails
    // must leave the previous set whole.
    [[nodiscard]] virtual std::optional<std::string> Write(const std::vector<std::pair<std::string, std::string>>& values) = 0;

    // Deletes the named values at once. Nothing when they are gone; otherwise why not, in words
    // the player can act on, and the saved set stays as it was.
    [[nodiscard]] virtual std::optional<std::string> Erase(const std::vector<std::string>& names) = 0;
};

// A store that lives in memory: for tests, and for a program that runs with nothing to save to.
class MemoryStore final : public SavedGameStore {
public:
    bool Open() override { return opens; }
    std::string Refusal() const override { return refusal; }
    std::optional<std::string> Read(std::string_view name) override
    {
        auto it = values.find(std::string(name));
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }
    std::optional<std::string> Write(const std::vector<std::pair<std::string, std::string>>& set) override
    {
        if (failure)
            return failure;
        for (const auto& [name, text] : set)
            values[name] = text;
        return std::nullopt;
    }
    std::optional<std::string> Erase(const std::vector<std::string>& names) override
    {
        if (failure)
            return failure;
        for (const auto& name : names)
            values.erase(name);
        return std::nullopt;
    }

    bool opens = true;
    std::string refusal;
    // When set, every save and erase fails with this reason and changes nothing.
    std::optional<std::string> failure;
    std::map<std::string, std::string> values;
};

}  // namespace pennantry
