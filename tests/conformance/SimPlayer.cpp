// Plays one start of the session on the core alone, its commands on standard input in place of
// the simulator's policy: --seed N seeds the game, --transcript FILE records its window operations.
#include <fstream>
#include <iostream>

#include "ScriptView.h"
#include "SettingsStore.h"
#include "Transcript.h"

int main(int argc, char** argv)
{
    using namespace pennantry;
    if (argc != 5)
        return 2;
    std::deque<std::string> commands;
    for (std::string line; std::getline(std::cin, line);)
        commands.push_back(line);
    std::ofstream record(argv[4]);
    sim::ScriptView view(std::move(commands));
    Transcript transcript(view, [&record](const std::string& op) { record << op << '\n'; });
    PlayVariables play;
    ClassicRandom random;
    SteppingClock clock(std::stoll(argv[2]));
    SettingsStore store(DefaultStorePath());
    Game game(transcript, random, clock, store, play);
    return game.StartUp() && !view.Play(game) ? 1 : 0;
}
