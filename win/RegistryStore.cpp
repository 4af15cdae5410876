// The saved game in the system registry: eighteen text values under one key.
#include "RegistryStore.h"

#include <cstring>
#include <vector>

namespace pennantry {

namespace {

// The read buffer: 99 characters and the zero that ends them.
constexpr DWORD BufferSize = 100;

// Written last into a staged set: the set is whole.
constexpr const char* CompleteMarker = "Complete";

// How long a save waits for another copy's save to end before it gives up.
constexpr DWORD LockWait = 10000;

HKEY CreateKey(HKEY root, const std::string& key, REGSAM access)
{
    HKEY opened = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &opened,
                        &disposition) != ERROR_SUCCESS)
        return nullptr;
    return opened;
}

std::optional<std::string> ReadText(HKEY key, const std::string& name)
{
    char buffer[BufferSize];
    DWORD size = BufferSize;
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        type != REG_SZ || size > BufferSize)
        return std::nullopt;
    // The registry does not promise a terminating zero: the text is what the size covers, up to
    // a zero if there is one. Text that fills the whole buffer has no room for its end.
    const void* end = std::memchr(buffer, '\0', size);
    const std::size_t length = end ? static_cast<const char*>(end) - buffer : size;
    if (length >= BufferSize)
        return std::nullopt;
    return std::string(buffer, length);
}

// The staged set under key when its marker says it is whole, open for reading; else null.
HKEY OpenCompleteStaging(HKEY key)
{
    HKEY staging = nullptr;
    if (RegOpenKeyExA(key, StagingSubkey, 0, KEY_READ, &staging) != ERROR_SUCCESS)
        return nullptr;
    if (RegQueryValueExA(staging, CompleteMarker, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
        return staging;
    RegCloseKey(staging);
    return nullptr;
}

// Holds the session's save lock for its lifetime; a copy killed while saving leaves it abandoned,
// which the next holder takes over.
class SaveLock {
public:
    SaveLock() : mutex_(CreateMutexA(nullptr, FALSE, "Tessivar.Pennantry.Saving"))
    {
        if (mutex_ != nullptr) {
            const DWORD waited = WaitForSingleObject(mutex_, LockWait);
            held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
        }
    }
    ~SaveLock()
    {
        if (held_)
            ReleaseMutex(mutex_);
        if (mutex_ != nullptr)
            CloseHandle(mutex_);
    }
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;
    explicit operator bool() const { return held_; }

private:
    HANDLE mutex_;
    bool held_ = false;
};

}  // namespace

RegistryStore::RegistryStore(HKEY root, std::string key) : root_(root), key_(std::move(key)) {}

RegistryStore::~RegistryStore()
{
    if (reading_ != nullptr)
        RegCloseKey(reading_);
    if (staged_ != nullptr)
        RegCloseKey(staged_);
}

void RegistryStore::Change() const
{
    if (BeforeChange != nullptr)
        BeforeChange();
}

bool RegistryStore::Open()
{
    if (reading_ != nullptr)
        return true;
    reading_ = CreateKey(root_, key_, KEY_READ);
    if (reading_ == nullptr)
        return false;
    HKEY staging = nullptr;
    if (RegOpenKeyExA(reading_, StagingSubkey, 0, KEY_READ, &staging) == ERROR_SUCCESS) {
        RegCloseKey(staging);
        SaveLock lock;
        if (HKEY key = lock ? CreateKey(root_, key_, KEY_READ | KEY_WRITE) : nullptr) {
            Settle(key);
            RegCloseKey(key);
        }
        staged_ = OpenCompleteStaging(reading_);
    }
    return true;
}

std::optional<std::string> RegistryStore::Read(std::string_view name)
{
    if (reading_ == nullptr)
        return std::nullopt;
    const std::string valueName(name);
    DWORD type = REG_NONE;
    if (staged_ != nullptr &&
        RegQueryValueExA(staged_, valueName.c_str(), nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS)
        return type == REG_NONE ? std::nullopt : ReadText(staged_, valueName);
    return ReadText(reading_, valueName);
}

std::optional<std::string> RegistryStore::Write(const std::vector<std::pair<std::string, std::string>>& values)
{
    return Commit({values.begin(), values.end()});
}

std::optional<std::string> RegistryStore::Erase(const std::vector<std::string>& names)
{
    HKEY key = nullptr;
    // With no key there is nothing to erase.
    if (RegOpenKeyExA(root_, key_.c_str(), 0, KEY_READ, &key) == ERROR_FILE_NOT_FOUND)
        return std::nullopt;
    if (key != nullptr)
        RegCloseKey(key);
    std::vector<std::pair<std::string, std::optional<std::string>>> set;
    for (const auto& name : names)
        set.emplace_back(name, std::nullopt);
    return Commit(set);
}

std::optional<std::string> RegistryStore::Commit(
    const std::vector<std::pair<std::string, std::optional<std::string>>>& set)
{
    SaveLock lock;
    if (!lock)
        return "another copy of Pennantry was saving at the same moment";
    HKEY key = CreateKey(root_, key_, KEY_READ | KEY_WRITE);
    if (key == nullptr)
        return "the registry key could not be opened for writing";
    if (!Settle(key)) {
        RegCloseKey(key);
        return "an earlier save in the registry could not be finished";
    }
    if (staged_ != nullptr) {
        RegCloseKey(staged_);
        staged_ = nullptr;
    }

    std::optional<std::string> failure;
    HKEY staging = nullptr;
    Change();
    if (RegCreateKeyExA(key, StagingSubkey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &staging,
                        nullptr) != ERROR_SUCCESS) {
        RegCloseKey(key);
        return "the registry key could not be written to";
    }
    for (const auto& [name, text] : set) {
        Change();
        const LONG result = text ? RegSetValueExA(staging, name.c_str(), 0, REG_SZ,
                                                  reinterpret_cast<const BYTE*>(text->data()),
                                                  static_cast<DWORD>(text->size()))
                                 : RegSetValueExA(staging, name.c_str(), 0, REG_NONE, nullptr, 0);
        if (result != ERROR_SUCCESS) {
            failure = "the registry refused to change the value " + name;
            break;
        }
    }
    const DWORD whole = 1;
    if (!failure) {
        Change();
        if (RegSetValueExA(staging, CompleteMarker, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&whole),
                           sizeof whole) != ERROR_SUCCESS)
            failure = "the registry refused to complete the change";
        else
            RegFlushKey(staging);
    }
    RegCloseKey(staging);
    if (failure) {
        // An incomplete set changes nothing; one that cannot be deleted now is dropped at the next start.
        Change();
        RegDeleteKeyA(key, StagingSubkey);
    } else if (!Settle(key)) {
        // The set is whole: the next start finishes it, and until then reads see it.
        staged_ = OpenCompleteStaging(key);
    }
    RegCloseKey(key);
    return failure;
}

bool RegistryStore::Settle(HKEY key)
{
    HKEY staging = nullptr;
    const LONG opened = RegOpenKeyExA(key, StagingSubkey, 0, KEY_READ, &staging);
    if (opened == ERROR_FILE_NOT_FOUND)
        return true;
    if (opened != ERROR_SUCCESS)
        return false;
    const bool complete =
        RegQueryValueExA(staging, CompleteMarker, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    DWORD nameMax = 0, dataMax = 0;
    bool copied = RegQueryInfoKeyA(staging, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &nameMax,
                                   &dataMax, nullptr, nullptr) == ERROR_SUCCESS;
    std::vector<char> name(nameMax + 1);
    std::vector<BYTE> data(dataMax + 1);
    for (DWORD index = 0; complete && copied; ++index) {
        DWORD nameSize = static_cast<DWORD>(name.size()), dataSize = static_cast<DWORD>(data.size()), type = 0;
        const LONG found = RegEnumValueA(staging, index, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize);
        if (found == ERROR_NO_MORE_ITEMS)
            break;
        if (found != ERROR_SUCCESS) {
            copied = false;
        } else if (type == REG_SZ) {
            // Copied as written: the characters alone, without the zero the read may add.
            const void* end = std::memchr(data.data(), '\0', dataSize);
            const DWORD length = end ? static_cast<DWORD>(static_cast<const BYTE*>(end) - data.data()) : dataSize;
            Change();
            copied = RegSetValueExA(key, name.data(), 0, REG_SZ, data.data(), length) == ERROR_SUCCESS;
        } else if (type == REG_NONE) {
            Change();
            const LONG deleted = RegDeleteValueA(key, name.data());
            copied = deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
        }
    }
    RegCloseKey(staging);
    if (complete && !copied)
        return false;
    Change();
    return RegDeleteKeyA(key, StagingSubkey) == ERROR_SUCCESS;
}

}  // namespace pennantry
