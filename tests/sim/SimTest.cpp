// The simulator: games replay by seed and number whatever the jobs, and the report's figures.
#include <gtest/gtest.h>

#include "Report.h"
#include "Simulator.h"

namespace pennantry::sim {
namespace {

RunOptions Options(std::uint64_t games, unsigned jobs, std::uint64_t seed = 7)
{
    RunOptions options;
    options.Games = games;
    options.Jobs = jobs;
    options.Seed = seed;
    for (const BattlePolicy battle : AllBattlePolicies())
        options.Policies.push_back({SkillPolicy::Random, battle});
    return options;
}

RunResult Play(const RunOptions& options)
{
    std::atomic<std::uint64_t> done{0};
    RunResult result = Simulate(options, done);
    EXPECT_EQ(done, options.Games * options.Policies.size());
    EXPECT_FALSE(result.BrokenLaw) << *result.BrokenLaw;
    return result;
}

// Everything before the run's jobs and timing figures, which close the object.
std::string Untimed(const std::string& json) { return json.substr(0, json.find("\"jobs\":")); }

TEST(Simulator, SameSeedGivesTheSameReportWhateverTheJobsAndEachGameReplaysAlone)
{
    // More games than one thread's share, so that three jobs split every policy's games.
    const RunOptions one = Options(600, 1);
    const RunOptions three = Options(600, 3);
    const RunResult alone = Play(one);
    const RunResult shared = Play(three);
    EXPECT_EQ(alone.Tallies, shared.Tallies);
    EXPECT_EQ(Untimed(ReportJson(one, alone)), Untimed(ReportJson(three, shared)));
    EXPECT_NE(Play(Options(600, 1, 8)).Tallies, alone.Tallies);

    // Game n of a run is game n played alone, under the law check too.
    Tally replayed;
    for (std::uint64_t n = 0; n < 600; ++n) {
        const GameResult game = PlayGame(one.Policies[2], one.Seed, n, n < 20);
        ASSERT_FALSE(game.BrokenLaw) << *game.BrokenLaw;
        replayed.Add(game.Record);
    }
    EXPECT_EQ(replayed, alone.Tallies[2]);
}

TEST(Simulator, PoliciesAnswerThePromptsAsNamed)
{
    const RunResult result = Play(Options(100, 2));
    const Tally& attack = result.Tallies[0];
    const Tally& surrender = result.Tallies[1];
    EXPECT_GT(attack.AttackPresses, 10 * attack.Battles);
    EXPECT_EQ(surrender.AttackPresses, 0u);
    EXPECT_EQ(surrender.BattlesHumansWon, 0u);
    // Every surrender is a press; the About box, the question and the skill dialogs are the rest.
    EXPECT_GE(surrender.OtherPresses, surrender.Battles + 2 * surrender.Games);
    EXPECT_GT(result.Tallies[2].OtherPresses, attack.OtherPresses);
}

TEST(Report, FiguresComeFromTheTallies)
{
    RunOptions options = Options(4, 1);
    options.Policies.resize(1);
    RunResult result;
    result.Seconds = 2;
    Tally t;
    for (const std::int64_t innings : {9, 9, 10, 14}) {
        GameRecord g;
        g.HumansRuns = innings == 10 ? 3 : 0;
        g.MonstersRuns = 2;
        g.Innings = innings;
        g.PitchPresses = 100;
        g.AttackPresses = 50;
        g.OtherPresses = 4;
        g.Boxes = 10;
        g.Battles = 5;
        g.BattlesHumansWon = 2;
        t.Add(g);
    }
    result.Tallies = {t};
    const std::string json = ReportJson(options, result);
    for (const char* field :
         {R"("games":4,)", R"("humans_win_share":0.25,)", R"("humans_runs_per_game":0.75,)",
          R"("monsters_runs_per_game":2,)", R"("humans_shutout_share":0.75,)", R"("innings_per_game":10.5,)",
          R"("innings_9_share":0.5,)", R"("innings_11_plus_share":0.25,)", R"("longest_innings":14,)",
          R"("pitch_presses_per_game":100,)", R"("attack_presses_per_game":50,)", R"("presses_per_game":164,)",
          R"("battles_per_game":5,)", R"("humans_battle_win_share":0.4)", R"("games_per_second":2})"})
        EXPECT_NE(json.find(field), std::string::npos) << field << " in " << json;
    EXPECT_NE(ReportTable(options, result).find("Humans win         25.00 %"), std::string::npos);

    // Wilson's interval: around the share, and never below 0.
    const auto [low, high] = Interval95(50, 100);
    EXPECT_NEAR(low, 0.4038, 1e-4);
    EXPECT_NEAR(high, 0.5962, 1e-4);
    EXPECT_NEAR(Interval95(0, 100).first, 0.0, 1e-12);
}

}  // namespace
}  // namespace pennantry::sim
