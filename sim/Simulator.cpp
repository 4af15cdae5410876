// Plays whole games on the game's core, checks its laws after every press, and runs many games
// on several threads.
#include "Simulator.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <mutex>
#include <thread>

#include "Game.h"
#include "SimView.h"
#include "Text.h"

namespace pennantry::sim {
namespace {

// Far beyond any real game (about 180 pitches); a game that runs this long is taken as endless.
constexpr std::uint64_t PressLimit = 1000000;
// Games a thread takes at once: long enough to keep the shared counter quiet, short enough to
// share the work evenly.
constexpr std::uint64_t Chunk = 256;

std::uint64_t Mix(std::uint64_t z)
{
    z += 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

// The game is read, never written, through these two.
const Scoreboard& BoardOf(const Game& game) { return game.Board(); }
std::array<bool, 3> RunnersOf(const Game& game)
{
    return {game.RunnerOnFirst() != 0, game.RunnerOnSecond() != 0, game.RunnerOnThird() != 0};
}

// The saved game as a short list: a save replaces it whole, reusing its strings, so that the
// law check can save and load after every press without building a map each time.
class ListStore final : public SavedGameStore {
public:
    bool Open() override { return true; }
    std::optional<std::string> Read(std::string_view name) override
    {
        for (const auto& [key, text] : values_)
            if (key.size() == name.size() && key[0] == name[0] && key == name)
                return text;
        return std::nullopt;
    }
    std::optional<std::string> Write(const std::vector<std::pair<std::string, std::string>>& values) override
    {
        values_ = values;
        return std::nullopt;
    }
    // The game erases every value at once.
    std::optional<std::string> Erase(const std::vector<std::string>&) override
    {
        values_.clear();
        return std::nullopt;
    }

private:
    std::vector<std::pair<std::string, std::string>> values_;
};

// A view for loading a save into a fresh game: it shows nothing and answers nothing.
class QuietView final : public WindowOps {
public:
    void RefreshLabels(const Scoreboard&) override {}
    void EnablePlayButton(PlayButton, bool) override {}
    void ShowBall(bool) override {}
    void SetBasePicture(int, bool) override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    Answer AskYesNo(const std::string&) override { return Answer::No; }
    void RunAboutDialog() override {}
    void RunSkillDialog(SkillUpgradeRules& rules) override { rules.OnCancel(); }
    void RunBattleDialog(BattleRules&) override {}
    void CloseWindow() override {}
};

bool OneOf(const std::string& text, std::initializer_list<const char*> values)
{
    return std::any_of(values.begin(), values.end(), [&](const char* v) { return text == v; });
}

// The game's laws, verified after every press of a play button.
class LawCheck {
public:
    LawCheck(Game& game, SimView& view, ListStore& store) : game_(game), view_(view), store_(store)
    {
        view_.CountOuts = true;
    }

    void BeforePress()
    {
        before_ = BoardOf(game_);
        view_.OutsAnnounced = 0;
    }

    // The empty text when every law holds.
    std::string AfterPress(bool first)
    {
        const Scoreboard& b = BoardOf(game_);
        if (RunnersOf(game_) != view_.BasePictures)
            return "the runner flags differ from the base pictures";
        if (!OneOf(b.Outs, {"0", "1", "2"}) || !OneOf(b.Strikes, {"0", "1", "2"}) ||
            !OneOf(b.Balls, {"0", "1", "2", "3"}))
            return "outs " + b.Outs + ", strikes " + b.Strikes + ", balls " + b.Balls + " out of range";
        if (!OneOf(b.InningHalf, {"T", "B"}) ||
            view_.PitchEnabled != (b.InningHalf == "T") || view_.SwingEnabled == view_.PitchEnabled)
            return "the enabled play button does not match the half-inning " + b.InningHalf;
        if (first)
            return SaveAndLoad();

        const auto number = [](const std::string& text) { return std::int64_t{ReadNumber(text)}; };
        if (number(b.HumansScore) < number(before_.HumansScore) || number(b.MonstersScore) < number(before_.MonstersScore))
            return "a score fell";
        const std::int64_t outs = number(before_.Outs) + view_.OutsAnnounced;
        const bool change = outs >= 3;
        if (view_.OutsAnnounced > 1)
            return "more than one out on one pitch";
        if (!change && (b.Outs != WriteNumber(outs) || b.InningHalf != before_.InningHalf || b.Inning != before_.Inning))
            return "outs, inning or half moved without a third out";
        if (change) {
            const bool top = before_.InningHalf == "T";
            const std::int64_t inning = number(before_.Inning) + (top ? 0 : 1);
            if (b.Outs != "0" || b.InningHalf != (top ? "B" : "T") || number(b.Inning) != inning)
                return "a third out did not change sides";
            const bool shouldEnd = inning >= 10 && b.HumansScore != b.MonstersScore;
            if (shouldEnd != view_.Over)
                return shouldEnd ? "the game went on after a decided change of sides" : "the game ended while it was not decided";
        } else if (view_.Over) {
            return "the game ended without a change of sides";
        }
        return SaveAndLoad();
    }

private:
    // Saves what Save & Exit saves and loads it into a fresh game, which must then hold the same
    // board and runners; the game itself plays on, its window never closed.
    std::string SaveAndLoad()
    {
        // Once "Play Again?" is answered No the window has closed, and nothing is live.
        if (game_.IsLive(Command::SaveAndExit) == view_.Closed)
            return view_.Closed ? "Save & Exit is live in a closed window" : "Save & Exit is not live between two presses";
        if (view_.Closed)
            return {};
        (void)store_.Write(game_.SavedValues());
        QuietView quiet;
        PlayVariables play;
        ClassicRandom random;
        SteppingClock clock(0);
        Game fresh(quiet, random, clock, store_, play);
        fresh.StartUp();
        if (BoardOf(fresh) != BoardOf(game_) || RunnersOf(fresh) != RunnersOf(game_))
            return "a saved game loaded into a fresh game differs";
        return {};
    }

    Game& game_;
    SimView& view_;
    ListStore& store_;
    Scoreboard before_;
};

}  // namespace

const char* Name(SkillPolicy skill)
{
    switch (skill) {
    case SkillPolicy::Run: return "run";
    case SkillPolicy::Hit: return "hit";
    case SkillPolicy::Pitch: return "pitch";
    case SkillPolicy::Catch: return "catch";
    case SkillPolicy::Random: return "random";
    }
    return "?";
}

const char* Name(BattlePolicy battle)
{
    switch (battle) {
    case BattlePolicy::Attack: return "attack";
    case BattlePolicy::Surrender: return "surrender";
    case BattlePolicy::Return: return "return";
    }
    return "?";
}

std::vector<SkillPolicy> AllSkillPolicies()
{
    return {SkillPolicy::Run, SkillPolicy::Hit, SkillPolicy::Pitch, SkillPolicy::Catch, SkillPolicy::Random};
}

std::vector<BattlePolicy> AllBattlePolicies()
{
    return {BattlePolicy::Attack, BattlePolicy::Surrender, BattlePolicy::Return};
}

void Tally::Add(const GameRecord& g)
{
    ++Games;
    HumansWins += g.HumansRuns > g.MonstersRuns;
    HumansRuns += static_cast<std::uint64_t>(g.HumansRuns);
    MonstersRuns += static_cast<std::uint64_t>(g.MonstersRuns);
    HumansShutOut += g.HumansRuns == 0;
    MonstersShutOut += g.MonstersRuns == 0;
    Innings += static_cast<std::uint64_t>(g.Innings);
    NineInnings += g.Innings <= 9;
    TenInnings += g.Innings == 10;
    ElevenOrMore += g.Innings >= 11;
    Longest = std::max(Longest, g.Innings);
    PitchPresses += g.PitchPresses;
    AttackPresses += g.AttackPresses;
    OtherPresses += g.OtherPresses;
    Boxes += g.Boxes;
    Battles += g.Battles;
    BattlesHumansWon += g.BattlesHumansWon;
}

void Tally::Merge(const Tally& o)
{
    static constexpr std::array<std::uint64_t Tally::*, 16> Sums{
        &Tally::Games,        &Tally::HumansWins,    &Tally::HumansRuns,   &Tally::MonstersRuns,
        &Tally::HumansShutOut, &Tally::MonstersShutOut, &Tally::Innings,   &Tally::NineInnings,
        &Tally::TenInnings,   &Tally::ElevenOrMore,  &Tally::PitchPresses, &Tally::AttackPresses,
        &Tally::OtherPresses, &Tally::Boxes,         &Tally::Battles,      &Tally::BattlesHumansWon};
    for (const auto sum : Sums)
        this->*sum += o.*sum;
    Longest = std::max(Longest, o.Longest);
}

std::int64_t GameClockStart(std::uint64_t seed, std::uint64_t n)
{
    // A positive 31-bit second, as a real clock reads.
    return static_cast<std::int64_t>(Mix(Mix(seed) ^ n) >> 33);
}

GameResult PlayGame(const Policy& policy, std::uint64_t seed, std::uint64_t n, bool check)
{
    PlayVariables play;
    ClassicRandom random;
    SteppingClock clock(GameClockStart(seed, n));
    ListStore store;
    SimView view(policy, play, Mix(Mix(seed) ^ ~n));
    Game game(view, random, clock, store, play);

    GameResult result;
    std::optional<LawCheck> laws;
    if (check)
        laws.emplace(game, view, store);
    game.StartUp();
    if (laws) {
        if (auto broken = laws->AfterPress(true); !broken.empty())
            result.BrokenLaw = "after the start: " + broken;
    }

    std::int64_t inning = 0;
    while (!view.Over && !result.BrokenLaw) {
        if (view.Record.PitchPresses == PressLimit) {
            result.BrokenLaw = "the game did not end within a million pitches";
            break;
        }
        if (laws)
            laws->BeforePress();
        inning = ReadNumber(BoardOf(game).Inning);
        // The player presses what Enter would: the live play button.
        const auto press = game.EnterCommand();
        if (!press) {
            result.BrokenLaw = "no play button is live";
            break;
        }
        game.Perform(*press);
        ++view.Record.PitchPresses;
        if (view.EndlessBattle)
            result.BrokenLaw = "a battle did not end";
        else if (laws) {
            if (auto broken = laws->AfterPress(false); !broken.empty())
                result.BrokenLaw = "after pitch " + std::to_string(view.Record.PitchPresses) + ": " + broken;
        }
    }

    const Scoreboard& b = BoardOf(game);
    view.Record.HumansRuns = ReadNumber(b.HumansScore);
    view.Record.MonstersRuns = ReadNumber(b.MonstersScore);
    view.Record.Innings = inning;
    result.Record = view.Record;
    return result;
}

RunResult Simulate(const RunOptions& options, std::atomic<std::uint64_t>& done)
{
    const std::size_t policies = options.Policies.size();
    const std::uint64_t chunksPerPolicy = (options.Games + Chunk - 1) / Chunk;
    const std::uint64_t chunks = chunksPerPolicy * policies;
    const unsigned jobs = std::max(1u, options.Jobs);

    std::atomic<std::uint64_t> next{0};
    std::atomic<bool> stop{false};
    std::mutex failureLock;
    RunResult result;
    std::vector<std::vector<Tally>> perJob(jobs, std::vector<Tally>(policies));

    const auto work = [&](unsigned job) {
        std::vector<Tally>& tallies = perJob[job];
        for (std::uint64_t c; !stop.load(std::memory_order_relaxed) && (c = next.fetch_add(1)) < chunks;) {
            const std::size_t p = static_cast<std::size_t>(c / chunksPerPolicy);
            const Policy& policy = options.Policies[p];
            const std::uint64_t first = (c % chunksPerPolicy) * Chunk;
            const std::uint64_t last = std::min(first + Chunk, options.Games);
            for (std::uint64_t n = first; n < last; ++n) {
                GameResult game = PlayGame(policy, options.Seed, n, options.Check);
                if (game.BrokenLaw) {
                    const std::lock_guard<std::mutex> lock(failureLock);
                    if (!result.BrokenLaw)
                        result.BrokenLaw = "law broken in game " + std::to_string(n) + " of seed " +
                                           std::to_string(options.Seed) + " (skill " + Name(policy.Skill) +
                                           ", battle " + Name(policy.Battle) + "), " + *game.BrokenLaw +
                                           "; replay: pennantry-sim --games " + std::to_string(n + 1) +
                                           " --seed " + std::to_string(options.Seed) + " --skill " +
                                           Name(policy.Skill) + " --battle " + Name(policy.Battle) + " --check";
                    stop = true;
                    return;
                }
                tallies[p].Add(game.Record);
                done.fetch_add(1, std::memory_order_relaxed);
            }
        }
    };

    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> threads;
    for (unsigned j = 1; j < jobs; ++j)
        threads.emplace_back(work, j);
    work(0);
    for (auto& t : threads)
        t.join();
    result.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    result.Tallies.resize(policies);
    for (const auto& tallies : perJob)
        for (std::size_t p = 0; p < policies; ++p)
            result.Tallies[p].Merge(tallies[p]);
    return result;
}

}  // namespace pennantry::sim
