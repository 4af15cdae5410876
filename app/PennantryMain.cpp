// The desktop program's entry point: the command line, then the game wired to its window, its
// store on disk, the generator and the system clock.
#include "CommandLine.h"
#include "GameApp.h"
#include "GameWindow.h"
#include "PlayVariables.h"
#include "Random.h"
#include "SettingsStore.h"

int main(int argc, char** argv)
{
    using namespace pennantry;
    // Read before the application object, so that --help and --version need no display.
    CommandLine commandLine("pennantry", "Plays Pennantry in a window.\n");
    if (const auto status = commandLine.Parse(argc, argv, stdout, stderr))
        return *status;
    GameApp app(argc, argv);
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
