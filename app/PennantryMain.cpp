// The desktop program's entry point: the command line, then the game wired to its window, its
// store on disk, the generator and the system clock.
#include <cstdint>
#include <fstream>
#include <optional>
#include <string_view>

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
    CommandLine commandLine("pennantry", "Plays Pennantry in a window. --seed N replays the same game for the same\n"
                                         "presses; --transcript FILE writes there every window operation, a line each.\n");
    commandLine.AddNumber("seed", "N", INT64_MAX);
    commandLine.AddValue("transcript", "FILE", [](std::string_view file) { return !file.empty(); });
    if (const auto status = commandLine.Parse(argc, argv, stdout, stderr))
        return *status;
    GameApp app(argc, argv);
    PlayVariables play;
    ClassicRandom random;
    SystemClock system;
    std::optional<SteppingClock> seeded;
    if (const auto seed = commandLine.Number("seed"))
        seeded.emplace(static_cast<std::int64_t>(*seed));
    std::ofstream record;
    if (const auto file = commandLine.Value("transcript"))
        record.open(*file);
    SettingsStore store(DefaultStorePath());
    GameWindow window(random, seeded ? static_cast<Clock&>(*seeded) : system, store, play,
                      record.is_open() ? [&record](const std::string& op) { record << op << std::endl; }
                                       : std::function<void(const std::string&)>());
    // No main window on screen until its game is loaded or begun.
    if (window.StartUp())
        window.Run();
    return 0;
}
