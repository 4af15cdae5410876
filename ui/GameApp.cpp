// The application object: makes everything the game needs and runs the main window.
#include "GameApp.h"

#include "GameWindow.h"
#include "PlayVariables.h"
#include "Random.h"
#include "SettingsStore.h"
#include "TemplateBuilder.h"

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
    SettingsStore store(DefaultStorePath());
    GameWindow window(random, clock, store, play);
    // No main window on screen until its game is loaded or begun.
    if (window.StartUp())
        window.Run();
    return 0;
}

}  // namespace pennantry
