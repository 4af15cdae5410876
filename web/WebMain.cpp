// The browser edition's entry point: one game on the page, its saved game in local storage.
#include <emscripten.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "HowToPlay.h"
#include "PlayVariables.h"
#include "Random.h"
#include "WebStore.h"
#include "WebWindow.h"

namespace {

pennantry::WebWindow* Window = nullptr;

// The page's address replays a game: ?seed=N seeds it as --seed does elsewhere (-1 without), and
// ?transcript records its window operations in the page's `transcript`.
// clang-format off
EM_JS(double, PageSeed, (), { const seed = Number(new URLSearchParams(location.search).get('seed') || NaN); return Number.isSafeInteger(seed) && seed >= 0 ? seed : -1; });
EM_JS(int, PageRecords, (), { return new URLSearchParams(location.search).has('transcript') ? 1 : 0; });
EM_JS(void, PageRecord, (const char* op), { (Module.page.transcript ||= []).push(UTF8ToString(op)); });
// What F1 shows.
EM_JS(void, PageHelp, (const char* caption, const char* text), { Module.page.helpText = [UTF8ToString(caption), UTF8ToString(text)]; });
// clang-format on

}  // namespace

// The page calls this as the tab goes away (pagehide).
extern "C" EMSCRIPTEN_KEEPALIVE void WebPageHide()
{
    if (Window != nullptr)
        Window->OnPageHide();
}

// The page calls this as the tab is hidden (visibilitychange), after which it may be discarded unseen.
extern "C" EMSCRIPTEN_KEEPALIVE void WebPageHidden()
{
    if (Window != nullptr)
        Window->OnPageHidden();
}

int main()
{
    // Everything lives as long as the page: the main window's run suspends at every wait.
    PageHelp(std::string(pennantry::HowToPlayCaption).c_str(), std::string(pennantry::HowToPlay()).c_str());
    static pennantry::PlayVariables play;
    static pennantry::ClassicRandom random;
    static pennantry::SystemClock system;
    static std::optional<pennantry::SteppingClock> seeded;
    if (const double seed = PageSeed(); seed >= 0)
        seeded.emplace(static_cast<std::int64_t>(seed));
    static pennantry::WebStore store;
    static pennantry::WebWindow window(random, seeded ? static_cast<pennantry::Clock&>(*seeded) : system, store, play,
                                       PageRecords() ? [](const std::string& op) { PageRecord(op.c_str()); }
                                                     : std::function<void(const std::string&)>());
    Window = &window;
    window.Run();
    Window = nullptr;
    return 0;
}
