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
        game.Board = FreshBoard();
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
        game.RunnerOnFirst = static_cast<std::uint8_t>(first);
        game.RunnerOnSecond = static_cast<std::uint8_t>(second);
        game.RunnerOnThird = static_cast<std::uint8_t>(third);
    }
    std::string Runners() const
    {
        return std::string{char('0' + game.RunnerOnFirst), char('0' + game.RunnerOnSecond), char('0' + game.RunnerOnThird)};
    }

    PlayVariables play;
    ScriptedRandom random;
    SteppingClock clock{1000};
    MemoryStore store;
    RecordingView view;
    Game game{view, random, clock, store, play};
};

}  // namespace pennantry::test
