// The saved game in the browser's local storage; the page's script keeps the item.
#include "WebStore.h"

#include <cstdlib>
#include <memory>

#include <emscripten.h>

namespace pennantry {
namespace {

// clang-format off
EM_JS(int, StoreOpen, (), { return Module.page.store.open() ? 1 : 0; });
EM_JS(char*, StoreRead, (const char* name), {
    const text = Module.page.store.read(UTF8ToString(name));
    if (text === null) return 0;
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, StoreStage, (), { Module.page.store.stage(); });
EM_JS(void, StorePut, (const char* name, const char* text), { Module.page.store.put(UTF8ToString(name), UTF8ToString(text)); });
EM_JS(void, StoreDrop, (const char* name), { Module.page.store.drop(UTF8ToString(name)); });
EM_JS(int, StoreCommit, (), { return Module.page.store.commit() ? 1 : 0; });
// clang-format on

}  // namespace

bool WebStore::Open() { return StoreOpen() != 0; }

std::optional<std::string> WebStore::Read(std::string_view name)
{
    const std::unique_ptr<char, decltype(&std::free)> text(StoreRead(std::string(name).c_str()), &std::free);
    if (!text)
        return std::nullopt;
    return std::string(text.get());
}

void WebStore::Write(const std::vector<std::pair<std::string, std::string>>& values)
{
    StoreStage();
    for (const auto& [name, text] : values)
        StorePut(name.c_str(), text.c_str());
    StoreCommit();
}

void WebStore::Erase(const std::vector<std::string>& names)
{
    StoreStage();
    for (const auto& name : names)
        StoreDrop(name.c_str());
    StoreCommit();
}

}  // namespace pennantry
