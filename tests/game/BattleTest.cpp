// The battle for a base: every ending through RunBattle, and what the dialog shows.
#include "GameFixture.h"

namespace pennantry::test {
namespace {

using Lines = std::vector<std::string>;

TEST_F(GameTest, EveryEndingOfABattleLeavesItsFlagsOutAndMessages)
{
    const struct {
        const char* name;
        char side;
        int base;
        std::vector<std::string> clicks;
        std::vector<int> draws;
        int stopped, out, humansWon, outs;
        const char* message;  // the box the battle or its settling shows last, "" for none
    } cases[] = {
        {"monster beaten, human runner", 'H', 1, {"fight"}, Knockout(0), 0, 0, 1, 0, "battle message ANNOUNCER: The human wins the base!"},
        {"monster beaten, monster runner", 'M', 1, {"fight"}, Knockout(0), 1, 1, 1, 1, "battle message ANNOUNCER: The monster is O-U-T!"},
        {"human beaten, monster runner", 'M', 1, {"fight"}, Knockout(1), 0, 0, 0, 0, "battle message ANNOUNCER: The monster wins the base!"},
        {"human beaten, human runner", 'H', 1, {"fight"}, Knockout(1), 1, 1, 0, 1, "battle message ANNOUNCER: The human is O-U-T!"},
        {"monster turns back", 'M', 2, {"attack"}, Blow(1, 3, 0), 1, 0, 1, 0, "message The monster returns to the base. The runner is SAFE!"},
        {"return to base", 'H', 3, {"return"}, {}, 1, 0, 0, 0, "message The human returns to the base. The runner is SAFE!"},
        // A monster never turns back at first base, and a blow may take nothing.
        {"no turning back at first", 'M', 1, {"attack", "surrender"}, Blow(0, 0, 0), 0, 0, 0, 0, "battle message ANNOUNCER: The player surrenders the base to the monster!"},
        {"human surrenders", 'H', 1, {"surrender"}, {}, 1, 1, 0, 1, "battle message ANNOUNCER: The player surrenders the base to the monster!"},
        {"surrender to a monster", 'M', 2, {"surrender"}, {}, 0, 0, 0, 0, "battle message ANNOUNCER: The player surrenders the base to the monster!"},
        {"close box, human", 'H', 2, {"close"}, {}, 1, 1, 0, 1, "battle message ANNOUNCER: The player surrenders the base to the monster!"},
        {"close box, monster", 'M', 1, {"close"}, {}, 0, 0, 0, 0, "battle message ANNOUNCER: The player surrenders the base to the monster!"},
        // Escape is no free base: it does what the close box does.
        {"escape, human", 'H', 4, {"escape"}, {}, 1, 1, 0, 1, "battle message ANNOUNCER: The player surrenders the base to the monster!"},
        {"escape, monster", 'M', 4, {"escape"}, {}, 0, 0, 0, 0, "battle message ANNOUNCER: The player surrenders the base to the monster!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BoardOf(game) = FreshBoard();
        BoardOf(game).Balls = "2";
        BoardOf(game).Strikes = "1";
        play.BattingSide = c.side;
        play.BasesAdvanced = c.base;
        play.AdvanceStopped = 0;
        play.RunnerOut = 0;
        play.HumansWonBattle = static_cast<std::uint8_t>(!c.humansWon);
        Draws(c.draws);
        view.BattleClicks.push_back(c.clicks);
        view.Log.clear();
        RunBattle(game);

        EXPECT_EQ(play.AdvanceStopped, c.stopped);
        EXPECT_EQ(play.RunnerOut, c.out);
        EXPECT_EQ(play.HumansWonBattle, c.humansWon);
        EXPECT_EQ(BoardOf(game).Outs, std::to_string(c.outs));
        EXPECT_EQ(BoardOf(game).Balls, "0");
        EXPECT_EQ(BoardOf(game).Strikes, "0");
        const auto last = std::find_if(view.Log.rbegin(), view.Log.rend(),
                                       [](const std::string& l) { return l.find("message ") != std::string::npos; });
        EXPECT_EQ(last == view.Log.rend() ? "" : *last, c.message);
    }
}

TEST_F(GameTest, OnlyAHumanRunnerOnAnExtraBaseAttemptMayReturnToBase)
{
    const struct {
        char side;
        int base;
        const char* expected;
    } cases[] = {{'H', 1, "return off"}, {'h', 2, "return on"}, {'H', 4, "return on"}, {'M', 3, "return off"}, {'m', 1, "return off"}};
    for (const auto& c : cases) {
        play.BattingSide = c.side;
        play.BasesAdvanced = c.base;
        play.AdvanceStopped = play.RunnerOut = 0;
        view.Log.clear();
        // A disabled Return to Base does nothing; the surrender then ends the battle.
        view.BattleClicks.push_back({"return", "surrender"});
        RunBattle(game);
        EXPECT_EQ(view.Log[1], c.expected) << c.side << c.base;
        const bool ended = view.Log[3].rfind("battle message", 0) == 0;
        EXPECT_EQ(ended, std::string(c.expected) == "return off");
    }
}

}  // namespace
}  // namespace pennantry::test
