// Entry point of the terminal edition: reads the arguments, then wires a face, the store, the
// generator and the clock to the game.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>

#include "CloseRequest.h"
#include "CommandLine.h"
#include "Game.h"
#include "HumanWindow.h"
#include "JsonWindow.h"
#include "PlayVariables.h"
#include "Random.h"
#include "TermInput.h"
#include "Transcript.h"

#include "SettingsStore.h"

namespace {

constexpr const char* DefaultName = "pennantry-term";

bool Terminal(int fd) { return ::isatty(fd) == 1; }

bool ColourWanted()
{
    const char* noColour = std::getenv("NO_COLOR");
    const char* term = std::getenv("TERM");
    if (noColour && *noColour)
        return false;
    if (term && std::strcmp(term, "dumb") == 0)
        return false;
    return Terminal(STDOUT_FILENO);
}

// The machine face, or the human face fitted to where standard input and output lead.
std::unique_ptr<pennantry::TermWindow> MakeView(bool json, const std::string& name)
{
    using namespace pennantry;
    if (json)
        return std::make_unique<JsonWindow>(name, stdout, STDIN_FILENO);
    HumanOptions human;
    human.fullScreen = Terminal(STDIN_FILENO) && Terminal(STDOUT_FILENO);
    human.colour = ColourWanted();
    return std::make_unique<HumanWindow>(name, stdout, STDIN_FILENO, human);
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace pennantry;

    CommandLine commandLine(DefaultName,
                            "Plays Pennantry in a terminal. --json speaks JSON Lines on standard input and output;\n"
                            "--seed N replays the same game for the same input; --transcript FILE writes there\n"
                            "every window operation of the session, a line each.\n");
    commandLine.AddFlag("json");
    commandLine.AddNumber("seed", "N", INT64_MAX);
    commandLine.AddValue("transcript", "FILE", [](std::string_view file) { return !file.empty(); });
    if (const auto status = commandLine.Parse(argc, argv, stdout, stderr))
        return *status;
    // Every box without a caption of its own bears the program file's name.
    const std::string name = commandLine.ProgramFileName();
    const bool json = commandLine.Has("json");
    const std::optional<std::uint64_t> seed = commandLine.Number("seed");

    PlayVariables play;
    ClassicRandom random;
    std::unique_ptr<Clock> clock;
    if (seed)
        clock = std::make_unique<SteppingClock>(static_cast<std::int64_t>(*seed));
    else
        clock = std::make_unique<SystemClock>();
    SettingsStore store(DefaultStorePath());

    WatchCloseSignals();
    std::unique_ptr<TermWindow> view = MakeView(json, name);

    // A replayed session's record: every window operation the game makes, a line each.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> record(nullptr, &std::fclose);
    if (const auto file = commandLine.Value("transcript")) {
        record.reset(std::fopen(file->c_str(), "w"));
        if (!record) {
            std::fprintf(stderr, "%s: %s: %s\n", name.c_str(), file->c_str(), std::strerror(errno));
            return 2;
        }
    }
    Transcript transcript(*view, [&record](const std::string& line) {
        if (record)
            std::fprintf(record.get(), "%s\n", line.c_str());
    });
    Game game(transcript, random, *clock, store, play);
    try {
        if (game.StartUp())
            view->Run(game);
    } catch (const InputEnded&) {
        // The input ended inside a box or a dialog: the program ends there, saving nothing.
    } catch (const std::exception& error) {
        view.reset();  // puts the terminal back before the message
        std::fprintf(stderr, "%s: %s\n", name.c_str(), error.what());
        return 1;
    }
    return 0;
}
