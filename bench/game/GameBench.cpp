// The game core's speed: one pitch, one battle, one whole game, and the generator's draws that
// bound them from below.
#include <benchmark/benchmark.h>

#include <memory>

#include "BattleRules.h"
#include "Game.h"
#include "SimView.h"
#include "Simulator.h"

namespace {

using namespace pennantry;

class QuietBattleView final : public BattleView {
public:
    void RefreshBattle(const BattleLabels& labels) override { benchmark::DoNotOptimize(&labels); }
    void EnableReturnToBase(bool) override {}
    void ShowMessage(const std::string& text) override { benchmark::DoNotOptimize(&text); }
};

// One battle for first base, fought to the end, alternating the runner's side.
void OneBattle(benchmark::State& state)
{
    PlayVariables play;
    ClassicRandom random;
    SteppingClock clock(1);
    QuietBattleView view;
    std::int64_t blows = 0;
    for (auto _ : state) {
        play.BattingSide = (play.BattingSide == 'H') ? 'M' : 'H';
        play.BasesAdvanced = 1;
        play.AdvanceStopped = 0;
        play.RunnerOut = 0;
        BattleRules battle(play, random, clock);
        battle.OnInitDialog(view);
        while (!battle.Ended()) {
            battle.OnAttack(view);
            ++blows;
        }
    }
    state.counters["blows"] = benchmark::Counter(double(blows) / double(state.iterations()));
}
BENCHMARK(OneBattle);

// One press of the enabled play button in a game played with the simulator's view (every
// battle fought out), with its battles; a new game begins when one ends.
void OnePitch(benchmark::State& state)
{
    std::uint64_t n = 0;
    PlayVariables play;
    ClassicRandom random;
    SteppingClock clock(12345);
    MemoryStore store;
    auto view = std::make_unique<sim::SimView>(sim::Policy{}, play, 1);
    auto game = std::make_unique<Game>(*view, random, clock, store, play);
    game->StartUp();
    for (auto _ : state) {
        if (view->Over) {
            state.PauseTiming();
            view = std::make_unique<sim::SimView>(sim::Policy{}, play, ++n);
            game = std::make_unique<Game>(*view, random, clock, store, play);
            game->StartUp();
            state.ResumeTiming();
        }
        if (view->PitchEnabled)
            game->OnPitch();
        else
            game->OnReadyToSwing();
    }
}
BENCHMARK(OnePitch);

// A whole game as pennantry-sim plays it, start-up to "Play Again?".
void OneGame(benchmark::State& state)
{
    std::uint64_t n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(sim::PlayGame(sim::Policy{}, 1, n++, false));
    state.counters["games_per_second"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(OneGame);

// The floor: the 4,760 draws a game takes, through the same interface the game uses.
void GameOfDraws(benchmark::State& state)
{
    ClassicRandom classic;
    Random& random = classic;
    for (auto _ : state) {
        int sum = 0;
        for (int i = 0; i < 4760; ++i)
            sum += Draw(random, 10);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(GameOfDraws);

}  // namespace

BENCHMARK_MAIN();
