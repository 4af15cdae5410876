// The saved game in the browser's local storage; the page's script keeps the item.
#include "WebStore.h"

#include <cstdlib>
#include <memory>

#include <emscripten.h>

namespace pennantry {
namespace {

// clang-format off
EM_JS(int, StoreOpen, (), { return Module.page.store.open() ? 1 : 0; });
// Texts come back as copies on the heap (none for null), which Taken frees.
EM_JS(char*, StoreRead, (const char* name), {
    const text = Module.page.store.read(UTF8ToString(name));
    if (text === null) return 0;
    const copy = _malloc(lengthBytesUTF8(text) + 1);
    stringToUTF8(text, copy, lengthBytesUTF8(text) + 1);
    return copy;
});
EM_JS(void, StoreStage, (), { Module.page.store.stage(); });
EM_JS(void, StorePut, (const char* name, const char* text), { Module.page.store.put(UTF8ToString(name), UTF8ToString(text)); });
EM_JS(void, StoreDrop, (const char* name), { Module.page.store.drop(UTF8ToString(name)); });
// Nothing when the item was written, else the reason it was not, for the player.
EM_JS(char*, StoreCommit, (), {
    const reason = Module.page.store.commit();
    if (reason === null) return 0;
    const copy = _malloc(lengthBytesUTF8(reason) + 1);
    stringToUTF8(reason, copy, lengthBytesUTF8(reason) + 1);
    return copy;
});
// clang-format on

// A text the page made, or nothing; the copy is freed here.
std::optional<std::string> Taken(char* text)
{
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    if (!owned)
        return std::nullopt;
    return std::string(owned.get());
}

}  // namespace

bool WebStore::Open() { return StoreOpen() != 0; }

std::optional<std::string> WebStore::Read(std::string_view name) { return Taken(StoreRead(std::string(name).c_str())); }

std::optional<std::string> WebStore::Write(const std::vector<std::pair<std::string, std::string>>& values)
{
    StoreStage();
    for (const auto& [name, text] : values)
        StorePut(name.c_str(), text.c_str());
    return Taken(StoreCommit());
}

std::optional<std::string> WebStore::Erase(const std::vector<std::string>& names)
{
    StoreStage();
    for (const auto& name : names)
        StoreDrop(name.c_str());
    // An erase that fails leaves the whole set, which loads again as the game it was.
    return Taken(StoreCommit());
}

}  // namespace pennantry
