// The Windows program's entry point: makes everything the game needs and runs the main window.
#include <windows.h>

#include "GameWindow.h"
#include "PlayVariables.h"
#include "Random.h"
#include "RegistryStore.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    pennantry::PlayVariables play;
    pennantry::ClassicRandom random;
    pennantry::SystemClock clock;
    pennantry::RegistryStore store;
    // The program lives exactly as long as its main window.
    pennantry::GameWindow window(random, clock, store, play);
    window.Run(nullptr);
    return 0;
}
