// The saved game in the system registry: eighteen text values under one key.
#pragma once

#include <windows.h>

#include <string>

#include "SavedGameStore.h"

namespace pennantry {

// The key the game keeps its values under, below HKEY_LOCAL_MACHINE.
inline constexpr const char* SavedGameKey = "Software\\Tessivar\\Pennantry";

// Values are REG_SZ, written as their characters alone (no terminating zero). A read takes at
// most 99 characters, as the game's 100-byte buffer allows; a longer value, one of another type,
// or a missing one cannot be read. The key opened for reading stays open until destruction.
// The registry replaces one value at a time: a save that cannot open the key writes nothing, and
// the last save stays whole; a value refused once the key is open is reported, but the values
// written before it stay.
class RegistryStore final : public SavedGameStore {
public:
    explicit RegistryStore(HKEY root = HKEY_LOCAL_MACHINE, std::string key = SavedGameKey);
    ~RegistryStore() override;
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    bool Open() override;
    std::optional<std::string> Read(std::string_view name) override;
    std::optional<std::string> Write(const std::vector<std::pair<std::string, std::string>>& values) override;
    std::optional<std::string> Erase(const std::vector<std::string>& names) override;

private:
    HKEY root_;
    std::string key_;
    HKEY reading_ = nullptr;
};

}  // namespace pennantry
