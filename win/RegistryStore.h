// The saved game in the system registry: eighteen text values under one key.
#pragma once

#include <windows.h>

#include <string>

#include "SavedGameStore.h"

namespace pennantry {

// The key the game keeps its values under, below HKEY_LOCAL_MACHINE.
inline constexpr const char* SavedGameKey = "Software\\Tessivar\\Pennantry";

// The subkey of that key where a save or an erase is assembled before it takes effect.
inline constexpr const char* StagingSubkey = "Saving";

// Values are REG_SZ, written as their characters alone (no terminating zero). A read takes at
// most 99 characters, as the game's 100-byte buffer allows; a longer value, one of another type,
// or a missing one cannot be read. The key opened for reading stays open until destruction.
//
// The registry replaces one value at a time, so a save or an erase is staged: its whole set goes
// to the staging subkey (a value to erase as REG_NONE), a marker written last makes it complete,
// then it is copied over the key's values and the subkey deleted. A change that ends before the
// marker leaves the key's values untouched and is dropped; a complete one is finished by the next
// Open, or by the next save. Reads see a complete set that could not be copied yet. Changes are
// made one at a time across the session's copies of the program, under a named mutex.
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

    // Called before each change this store makes to the registry; a test ends the process there,
    // as a kill at that moment would.
    void (*BeforeChange)() = nullptr;

private:
    // Stages the given values (nothing meaning "erase") and makes them take effect.
    std::optional<std::string> Commit(const std::vector<std::pair<std::string, std::optional<std::string>>>& set);
    // Finishes a complete staged set left in the key, or drops an incomplete one. True when no
    // staged set is left.
    bool Settle(HKEY key);
    void Change() const;

    HKEY root_;
    std::string key_;
    HKEY reading_ = nullptr;
    // A complete staged set that could not be copied over the key's values: it is what reads see.
    HKEY staged_ = nullptr;
};

}  // namespace pennantry
