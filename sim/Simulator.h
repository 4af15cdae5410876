// The simulator: whole games on the game's own core, each prompt answered by a policy, and the
// tallies a report is made from.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pennantry::sim {

// How the player answers the Skill Upgrade dialog: always the same skill, or one at random.
enum class SkillPolicy { Run, Hit, Pitch, Catch, Random };
// How the player meets every battle: fight it out, surrender at once, or go back to the base
// whenever that is allowed (fighting otherwise).
enum class BattlePolicy { Attack, Surrender, Return };

struct Policy {
    SkillPolicy Skill = SkillPolicy::Random;
    BattlePolicy Battle = BattlePolicy::Attack;
};

const char* Name(SkillPolicy skill);
const char* Name(BattlePolicy battle);
// Every policy of each kind, in the order a comparison lists them.
std::vector<SkillPolicy> AllSkillPolicies();
std::vector<BattlePolicy> AllBattlePolicies();

// What one game came to, from the first press to "Play Again?".
struct GameRecord {
    std::int64_t HumansRuns = 0;
    std::int64_t MonstersRuns = 0;
    // The last inning in which a pitch was thrown.
    std::int64_t Innings = 0;
    std::uint64_t PitchPresses = 0;   // Pitch and Ready to Swing
    std::uint64_t AttackPresses = 0;  // "&Attack!"
    std::uint64_t OtherPresses = 0;   // skill picks and OK, surrender, return, About, the question
    std::uint64_t Boxes = 0;          // message boxes dismissed
    std::uint64_t Battles = 0;
    std::uint64_t BattlesHumansWon = 0;
};

// Sums over many games of one policy. Whole numbers only, so that tallies merged in any order
// (whatever the number of jobs) give the same report.
struct Tally {
    std::uint64_t Games = 0;
    std::uint64_t HumansWins = 0;
    std::uint64_t HumansRuns = 0;
    std::uint64_t MonstersRuns = 0;
    std::uint64_t HumansShutOut = 0;
    std::uint64_t MonstersShutOut = 0;
    std::uint64_t Innings = 0;
    std::uint64_t NineInnings = 0;
    std::uint64_t TenInnings = 0;
    std::uint64_t ElevenOrMore = 0;
    std::int64_t Longest = 0;
    std::uint64_t PitchPresses = 0;
    std::uint64_t AttackPresses = 0;
    std::uint64_t OtherPresses = 0;
    std::uint64_t Boxes = 0;
    std::uint64_t Battles = 0;
    std::uint64_t BattlesHumansWon = 0;

    void Add(const GameRecord& game);
    void Merge(const Tally& other);
    bool operator==(const Tally&) const = default;
};

// Game number n of a run with master seed `seed` starts its clock here: the start-up seed and
// every battle's seed follow from it, so any one game replays alone.
std::int64_t GameClockStart(std::uint64_t seed, std::uint64_t n);

// Plays game n. With `check`, every law is verified after every press; a broken law comes back
// as its description, and the record is then incomplete.
struct GameResult {
    GameRecord Record;
    std::optional<std::string> BrokenLaw;
};
GameResult PlayGame(const Policy& policy, std::uint64_t seed, std::uint64_t n, bool check);

struct RunOptions {
    std::uint64_t Games = 0;  // per policy
    std::uint64_t Seed = 1;
    unsigned Jobs = 1;
    bool Check = false;
    std::vector<Policy> Policies;
};

struct RunResult {
    std::vector<Tally> Tallies;  // one per policy, in the order given
    double Seconds = 0;
    // The first broken law found, with the policy, seed and game that reproduce it.
    std::optional<std::string> BrokenLaw;
};

// Plays Games games of every policy on Jobs threads; `done` counts finished games as they come,
// for a progress display. Memory does not grow with the number of games.
RunResult Simulate(const RunOptions& options, std::atomic<std::uint64_t>& done);

}  // namespace pennantry::sim
