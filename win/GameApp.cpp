// The Windows program's entry point: makes everything the game needs and runs the main window.
#include <windows.h>

#include "GameWindow.h"
#include "PlayVariables.h"
#include "Random.h"
#include "RegistryStore.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // One copy per session: two would save over each other. A second start brings the running
    // game (or the box it shows) to the front and ends; the mutex lasts as long as this process.
    if (CreateMutexA(nullptr, FALSE, "Tessivar.Pennantry") != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        if (HWND running = FindWindowA(pennantry::MainWindowClass, nullptr)) {
            if (IsIconic(running))
                ShowWindow(running, SW_RESTORE);
            SetForegroundWindow(GetLastActivePopup(running));
        }
        return 0;
    }
    pennantry::PlayVariables play;
    pennantry::ClassicRandom random;
    pennantry::SystemClock clock;
    pennantry::RegistryStore store;
    // The program lives exactly as long as its main window.
    pennantry::GameWindow window(random, clock, store, play);
    window.Run(nullptr);
    return 0;
}
