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

    // The text of one value, or nothing when it is missing or cannot be read.
    virtual std::optional<std::string> Read(std::string_view name) = 0;

    // Replaces the whole saved set at once, values in the order given. A save that fails is not
    // reported, but it must leave the previous set whole.
    virtual void Write(const std::vector<std::pair<std::string, std::string>>& values) = 0;

    // Deletes the named values; nothing is reported.
    virtual void Erase(const std::vector<std::string>& names) = 0;
};

// A store that lives in memory: for tests, and for a program that runs with nothing to save to.
class MemoryStore final : public SavedGameStore {
public:
    bool Open() override { return opens; }
    std::optional<std::string> Read(std::string_view name) override
    {
        auto it = values.find(std::string(name));
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }
    void Write(const std::vector<std::pair<std::string, std::string>>& set) override
    {
        for (const auto& [name, text] : set)
            values[name] = text;
    }
    void Erase(const std::vector<std::string>& names) override
    {
        for (const auto& name : names)
            values.erase(name);
    }

    bool opens = true;
    std::map<std::string, std::string> values;
};

}  // namespace pennantry
