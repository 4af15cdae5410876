// The application object: makes everything the game needs and runs the main window.
#include "GameApp.h"

#include <memory>

#include "GameWindow.h"
#include "PlayVariables.h"
#include "Random.h"
#include "SavedGameStore.h"
#include "TemplateBuilder.h"

#ifdef PENNANTRY_HAVE_STORE
#include "SettingsStore.h"
#endif

namespace pennantry {

// The application's name stays the program file's name, which every uncaptioned box bears.
GameApp::GameApp(int& argc, char** argv) : app_(argc, argv)
{
    // The program lives exactly as long as its main window, which is run modally; the About box
    // closing before that window is first shown must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon());
}

int GameApp::Run()
{
    PlayVariables play;
    ClassicRandom random;
    SystemClock clock;
#ifdef PENNANTRY_HAVE_STORE
    auto store = std::make_unique<SettingsStore>(DefaultStorePath());
#else
    auto store = std::make_unique<MemoryStore>();
#endif
    GameWindow window(random, clock, *store, play);
    // No main window on screen until its game is loaded or begun.
    if (window.StartUp())
        window.Run();
    return 0;
}

}  // namespace pennantry
