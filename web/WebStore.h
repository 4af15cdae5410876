// The saved game in the browser's local storage.
#pragma once

#include "SavedGameStore.h"

namespace pennantry {

// The eighteen values live under their own names in one JSON object, kept as one local-storage
// item, so that every save and every erase is a single write: a tab closed at any moment leaves
// the set whole. A value that is not a string, or longer than 99 bytes (or an item that does not
// parse), reads as missing; a save keeps the eighteen names alone. A save the page makes on its own,
// as the tab hides or goes, fails rather than write over an item another tab changed since.
class WebStore final : public SavedGameStore {
public:
    bool Open() override;
    std::optional<std::string> Read(std::string_view name) override;
    std::optional<std::string> Write(const std::vector<std::pair<std::string, std::string>>& values) override;
    std::optional<std::string> Erase(const std::vector<std::string>& names) override;
};

}  // namespace pennantry
