// The saved game kept through QSettings: the player's own INI file, or the registry on Windows.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "SavedGameStore.h"

class QSettings;

namespace pennantry {

// Where the programs keep the saved game. On Windows the registry key
// HKEY_LOCAL_MACHINE\Software\Tessivar\Pennantry; elsewhere the player's own file,
// $XDG_CONFIG_HOME/Tessivar/Pennantry.conf (~/.config/Tessivar/Pennantry.conf when unset).
std::string DefaultStorePath();

// Every value is kept as text. A change goes to disk as one atomic replacement of the file under
// a lock shared by every program, so a crash, a full disk or a second program saving at the same
// moment leaves either the old file or the new one, never a mixture.
class SettingsStore final : public SavedGameStore {
public:
    explicit SettingsStore(std::string path);
    ~SettingsStore() override;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    bool Open() override;
    std::optional<std::string> Read(std::string_view name) override;
    std::optional<std::string> Write(const std::vector<std::pair<std::string, std::string>>& values) override;
    void Erase(const std::vector<std::string>& names) override;

private:
    // Applies one change (a set or an erase) to the stored file as a whole; nothing when done,
    // else why not.
    std::optional<std::string> Change(const std::function<void(QSettings&)>& apply);

    std::string path_;
    // Made by a successful Open; until then nothing is read and nothing is written.
    std::unique_ptr<QSettings> settings_;
};

}  // namespace pennantry
