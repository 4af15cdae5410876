// The browser edition's entry point: one game on the page, its saved game in local storage.
#include <emscripten.h>

#include "PlayVariables.h"
#include "Random.h"
#include "WebStore.h"
#include "WebWindow.h"

namespace {

pennantry::WebWindow* Window = nullptr;

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
    static pennantry::PlayVariables play;
    static pennantry::ClassicRandom random;
    static pennantry::SystemClock clock;
    static pennantry::WebStore store;
    static pennantry::WebWindow window(random, clock, store, play);
    Window = &window;
    window.Run();
    Window = nullptr;
    return 0;
}
