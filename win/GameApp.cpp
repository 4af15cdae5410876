// The Windows program's entry point: makes everything the game needs and runs the main window.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string_view>

#include "CommandLine.h"
#include "GameWindow.h"
#include "PlayVariables.h"
#include "Random.h"
#include "RegistryStore.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // A replay, as the other editions take it: --seed N replays the same game for the same presses;
    // --transcript FILE writes there every window operation, a line each. A program of the
    // window subsystem has no console, so --help and a bad argument only end it.
    pennantry::CommandLine commandLine("pennantry", "");
    commandLine.AddNumber("seed", "N", INT64_MAX);
    commandLine.AddValue("transcript", "FILE", [](std::string_view file) { return !file.empty(); });
    if (const auto status = commandLine.Parse(__argc, __argv, stdout, stderr))
        return *status;
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
    pennantry::SystemClock system;
    std::optional<pennantry::SteppingClock> seeded;
    if (const auto seed = commandLine.Number("seed"))
        seeded.emplace(static_cast<std::int64_t>(*seed));
    std::ofstream record;
    if (const auto file = commandLine.Value("transcript"))
        record.open(*file);
    pennantry::RegistryStore store;
    // The program lives exactly as long as its main window.
    pennantry::GameWindow window(random, seeded ? static_cast<pennantry::Clock&>(*seeded) : system, store, play,
                                 record.is_open() ? [&record](const std::string& op) { record << op << std::endl; }
                                                  : std::function<void(const std::string&)>());
    window.Run(nullptr);
    return 0;
}
