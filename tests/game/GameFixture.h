// A game wired to the recording view, a scripted generator and a store in memory.
#pragma once

#include <gtest/gtest.h>

#include "Game.h"
#include "RecordingView.h"

namespace pennantry::test {

class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BoardOf(game) = FreshBoard();
        play.AdvanceStopped = 1;  // as between any two pitches
    }
    void TearDown() override
    {
        EXPECT_TRUE(random.Values.empty()) << random.Values.size() << " scripted draws were not taken";
        EXPECT_TRUE(view.Answers.empty()) << "a queued answer was not asked for";
        EXPECT_TRUE(view.SkillClicks.empty()) << "a queued Skill Upgrade dialog did not open";
        EXPECT_TRUE(view.BattleClicks.empty()) << "a queued battle did not open";
    }

    void Draws(const std::vector<int>& values) { random.Values.insert(random.Values.end(), values.begin(), values.end()); }
    void Bases(int first, int second, int third)
    {
        game.runnerOnFirst_ = static_cast<std::uint8_t>(first);
        game.runnerOnSecond_ = static_cast<std::uint8_t>(second);
        game.runnerOnThird_ = static_cast<std::uint8_t>(third);
    }
    std::string Runners() const
    {
        return std::string{char('0' + game.RunnerOnFirst()), char('0' + game.RunnerOnSecond()), char('0' + game.RunnerOnThird())};
    }

    static Scoreboard& BoardOf(Game& g) { return g.board_; }
    static void RecordOut(Game& g) { g.RecordOut(); }
    static void AdvanceRunners(Game& g) { g.AdvanceRunners(); }
    static void LoadSavedGame(Game& g) { g.LoadSavedGame(); }
    static void NewGame(Game& g) { g.NewGame(); }
    static void RunBattle(Game& g) { g.RunBattle(); }

    PlayVariables play;
    ScriptedRandom random;
    SteppingClock clock{1000};
    MemoryStore store;
    RecordingView view;
    Game game{view, random, clock, store, play};
};

}  // namespace pennantry::test
