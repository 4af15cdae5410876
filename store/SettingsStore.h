// The saved game kept in the player's own INI file, in the format QSettings reads and writes.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "SavedGameStore.h"

namespace pennantry {

// Where the programs keep the saved game: $XDG_CONFIG_HOME/Tessivar/Pennantry.conf, or
// ~/.config/Tessivar/Pennantry.conf when that variable is unset or not an absolute path. The
// path's bytes are kept as they are, whatever their encoding.
std::string DefaultStorePath();

// Every value is plain text, kept byte for byte. A change replaces the file (or the file that a
// link at the path leads to) as a whole, under a lock shared by every program, so a crash, a full
// disk or a second program saving at the same moment leaves either the old file or the new one.
class SettingsStore final : public SavedGameStore {
public:
    explicit SettingsStore(std::string path);

    bool Open() override;
    std::string Refusal() const override;
    std::optional<std::string> Read(std::string_view name) override;
    std::optional<std::string> Write(const std::vector<std::pair<std::string, std::string>>& values) override;
    std::optional<std::string> Erase(const std::vector<std::string>& names) override;

private:
    using Values = std::map<std::string, std::string, std::less<>>;

    // Applies one change to the values the file holds now and writes them as the new file;
    // nothing when done, else why not.
    std::optional<std::string> Change(const std::function<void(Values&)>& apply);

    std::string path_;
    bool open_ = false;
    // Why the last Open failed, for the player.
    std::string refusal_;
    // What the file held when it was opened, then as the last change of this program left it.
    Values values_;
};

}  // namespace pennantry
