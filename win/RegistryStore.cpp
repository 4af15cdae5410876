// The saved game in the system registry: eighteen text values under one key.
#include "RegistryStore.h"

#include <cstring>

namespace pennantry {

namespace {

// The read buffer: 99 characters and the zero that ends them.
constexpr DWORD BufferSize = 100;

HKEY CreateKey(HKEY root, const std::string& key, REGSAM access)
{
    HKEY opened = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &opened,
                        &disposition) != ERROR_SUCCESS)
        return nullptr;
    return opened;
}

}  // namespace

RegistryStore::RegistryStore(HKEY root, std::string key) : root_(root), key_(std::move(key)) {}

RegistryStore::~RegistryStore()
{
    if (reading_ != nullptr)
        RegCloseKey(reading_);
}

bool RegistryStore::Open()
{
    if (reading_ == nullptr)
        reading_ = CreateKey(root_, key_, KEY_READ);
    return reading_ != nullptr;
}

std::optional<std::string> RegistryStore::Read(std::string_view name)
{
    if (reading_ == nullptr)
        return std::nullopt;
    char buffer[BufferSize];
    DWORD size = BufferSize;
    DWORD type = REG_NONE;
    const std::string valueName(name);
    if (RegQueryValueExA(reading_, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
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

std::optional<std::string> RegistryStore::Write(const std::vector<std::pair<std::string, std::string>>& values)
{
    HKEY key = CreateKey(root_, key_, KEY_WRITE);
    if (key == nullptr)
        return "the registry key could not be opened for writing";
    std::optional<std::string> failure;
    for (const auto& [name, text] : values)
        if (RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                           static_cast<DWORD>(text.size())) != ERROR_SUCCESS && !failure)
            failure = "the registry refused the value " + name;
    RegCloseKey(key);
    return failure;
}

std::optional<std::string> RegistryStore::Erase(const std::vector<std::string>& names)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root_, key_.c_str(), 0, KEY_WRITE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    std::optional<std::string> failure;
    for (const auto& name : names)
        if (const LONG result = RegDeleteValueA(key, name.c_str());
            result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND && !failure)
            failure = "the registry refused to delete the value " + name;
    RegCloseKey(key);
    return failure;
}

}  // namespace pennantry
