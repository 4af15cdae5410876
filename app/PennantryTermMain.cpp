// Entry point of the terminal edition: reads the arguments, then wires a face, the store, the
// generator and the clock to the game.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>

#include "Game.h"
#include "HumanWindow.h"
#include "JsonWindow.h"
#include "PlayVariables.h"
#include "Random.h"
#include "TermInput.h"

#include "SettingsStore.h"

namespace {

constexpr const char* DefaultName = "pennantry-term";

struct Options {
    bool json = false;
    std::optional<std::int64_t> seed;
};

// A whole decimal number from 0 up to the largest 64-bit value, and nothing else.
std::optional<std::int64_t> ParseSeed(std::string_view text)
{
    if (text.empty() || text.size() > 19)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > static_cast<std::uint64_t>(INT64_MAX))
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

void Usage(std::FILE* to, const std::string& name)
{
    std::fprintf(to, "usage: %s [--json] [--seed N] [--help] [--version]\n", name.c_str());
}

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

}  // namespace

int main(int argc, char** argv)
{
    using namespace pennantry;

    std::string name = DefaultName;
    if (argc > 0 && argv[0] && *argv[0]) {
        const std::string path = argv[0];
        const auto slash = path.find_last_of('/');
        const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
        if (!base.empty())
            name = base;
    }

    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help") {
            Usage(stdout, name);
            std::printf("Plays Pennantry in a terminal. --json speaks JSON Lines on standard input and output;\n"
                        "--seed N replays the same game for the same input.\n");
            return 0;
        }
        if (arg == "--version") {
            std::printf("%s %s\n", name.c_str(), PENNANTRY_VERSION);
            return 0;
        }
        if (arg == "--json") {
            options.json = true;
            continue;
        }
        std::optional<std::string_view> seedText;
        if (arg == "--seed" && i + 1 < argc)
            seedText = argv[++i];
        else if (arg.starts_with("--seed="))
            seedText = arg.substr(7);
        if (seedText && (options.seed = ParseSeed(*seedText)))
            continue;
        Usage(stderr, name);
        return 2;
    }

    PlayVariables play;
    ClassicRandom random;
    std::unique_ptr<Clock> clock;
    if (options.seed)
        clock = std::make_unique<SteppingClock>(*options.seed);
    else
        clock = std::make_unique<SystemClock>();
    SettingsStore store(DefaultStorePath());

    std::unique_ptr<TermWindow> view;
    if (options.json) {
        view = std::make_unique<JsonWindow>(name, stdout, STDIN_FILENO);
    } else {
        HumanOptions human;
        human.singleKeys = Terminal(STDIN_FILENO);
        human.fullScreen = human.singleKeys && Terminal(STDOUT_FILENO);
        human.colour = ColourWanted();
        view = std::make_unique<HumanWindow>(name, stdout, STDIN_FILENO, human);
    }

    Game game(*view, random, *clock, store, play);
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
