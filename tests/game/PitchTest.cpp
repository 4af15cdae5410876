// One pitch: the thresholds and zones, the count, walks, hits and extra-base attempts.
#include <tuple>

#include "GameFixture.h"

namespace pennantry::test {
namespace {

using Lines = std::vector<std::string>;

std::string Outcome(const std::string& firstMessage)
{
    if (firstMessage.rfind("UMPIRE: Stee-rike", 0) == 0) return "strike";
    if (firstMessage.rfind("UMPIRE: Ball", 0) == 0) return "ball";
    if (firstMessage.find("caught the ball") != std::string::npos) return "caught";
    if (firstMessage.find("runs to the base") != std::string::npos) return "hit";
    return "?" + firstMessage;
}

TEST_F(GameTest, ThePitchRollAndTheLevelsDecideStrikeBallCatchOrHit)
{
    const struct {
        char side;
        std::string Scoreboard::*level;
        const char* text;
        int pitchRoll, catchRoll;
        const char* outcome;
    } cases[] = {
        {'M', nullptr, "", 44, -1, "strike"},
        {'M', nullptr, "", 45, -1, "ball"},
        {'M', nullptr, "", 59, -1, "ball"},
        {'M', nullptr, "", 60, 24, "caught"},
        {'M', nullptr, "", 60, 25, "hit"},
        {'H', nullptr, "", 44, -1, "strike"},
        {'H', nullptr, "", 45, -1, "ball"},
        // The batting side's Hit level lowers both thresholds: at 13 no ball is left.
        {'H', &Scoreboard::HumanHitLevel, "13", 0, 0, "caught"},
        // The fielding side's Pitch level raises the strike threshold, at 12 to 100.
        {'H', &Scoreboard::MonsterPitchLevel, "12", 99, -1, "strike"},
        {'M', &Scoreboard::HumanPitchLevel, "4", 59, -1, "strike"},
        {'M', &Scoreboard::HumanPitchLevel, "4", 60, 99, "hit"},
        // The fielding side's Catch level raises the caught threshold.
        {'M', &Scoreboard::HumanCatchLevel, "3", 60, 34, "caught"},
        {'M', &Scoreboard::HumanCatchLevel, "3", 60, 35, "hit"},
        {'H', &Scoreboard::MonsterCatchLevel, "3", 60, 34, "caught"},
        // Levels of the side that does not use them change nothing.
        {'H', &Scoreboard::HumanPitchLevel, "20", 45, -1, "ball"},
        {'M', &Scoreboard::MonsterCatchLevel, "9", 60, 25, "hit"},
        // A level that is not a number reads as 0: a shift of -5.
        {'M', &Scoreboard::MonsterHitLevel, "abc", 49, -1, "strike"},
        {'M', &Scoreboard::MonsterHitLevel, "abc", 64, -1, "ball"},
        {'M', &Scoreboard::MonsterHitLevel, "abc", 65, 99, "hit"},
        // The largest level there is still makes a threshold, not an overflow.
        {'H', &Scoreboard::HumanHitLevel, "2147483647", 0, 99, "hit"},
    };
    for (const auto& c : cases) {
        BoardOf(game) = FreshBoard();
        Bases(0, 0, 0);
        if (c.level)
            BoardOf(game).*c.level = c.text;
        view.Log.clear();
        Draws({c.pitchRoll});
        if (c.catchRoll >= 0)
            Draws({c.catchRoll});
        if (std::string(c.outcome) == "hit")
            view.BattleClicks.push_back({"surrender"});
        c.side == 'H' ? game.OnReadyToSwing() : game.OnPitch();
        ASSERT_FALSE(view.Messages().empty());
        EXPECT_EQ(Outcome(view.Messages().front()), c.outcome)
            << c.side << " bats, level " << c.text << ", rolls " << c.pitchRoll << "/" << c.catchRoll;
    }
}

TEST_F(GameTest, ASingleIsFoughtForAtFirstAndTheDecidingBlowIsNeverShown)
{
    BoardOf(game).InningHalf = "B";
    Draws({65, 50});
    Draws(Knockout(0));
    view.BattleClicks.push_back({"fight"});
    game.OnReadyToSwing();

    const std::string board = "B1 H0 M0 b0 s0 o0 h1111 m1111";
    EXPECT_EQ(view.Log, (Lines{
        "ball on",
        "refresh " + board,
        "message ANNOUNCER: The human swings, hits, and runs to the base!",
        "battle",
        "return off",
        "hp 50/50",
        "hp 41/50 ANNOUNCER: The monster lost 9 health points!",
        "hp 32/50 ANNOUNCER: The monster lost 9 health points!",
        "hp 23/50 ANNOUNCER: The monster lost 9 health points!",
        "hp 14/50 ANNOUNCER: The monster lost 9 health points!",
        "hp 5/50 ANNOUNCER: The monster lost 9 health points!",
        "battle message ANNOUNCER: The human wins the base!",
        "battle closed",
        "refresh " + board,
        "refresh " + board,
        "base 1 on", "base 2 off", "base 3 off",
        "ball off",
        "refresh " + board,
    }));
    EXPECT_EQ(Runners(), "100");
    EXPECT_EQ(random.Seeds, (std::vector<std::uint32_t>{1000}));
    EXPECT_EQ(play.BasesAdvanced, 0);
    EXPECT_EQ(play.AdvanceStopped, 1);
}

TEST_F(GameTest, TheThirdStrikeIsAnnouncedBeforeTheOutAndResetsTheCount)
{
    BoardOf(game).Strikes = "2";
    BoardOf(game).Balls = "3";
    Draws({10});
    game.OnPitch();
    EXPECT_EQ(view.Messages(), Lines{"UMPIRE: Stee-rike Three! Yer Out!"});
    EXPECT_EQ(Describe(BoardOf(game)), "T1 H0 M0 b0 s0 o1 h1111 m1111");

    // A count below zero, which only a hand-edited save can hold, counts as none.
    BoardOf(game).Strikes = "-3";
    Draws({10});
    game.OnPitch();
    EXPECT_EQ(view.Messages().back(), "UMPIRE: Stee-rike One!");
    EXPECT_EQ(BoardOf(game).Strikes, "1");
}

TEST_F(GameTest, AWalkWithTheBasesLoadedAnnouncesTheForcedRunFirst)
{
    Bases(1, 1, 1);
    BoardOf(game).Balls = "3";
    BoardOf(game).Strikes = "2";
    Draws({50, 1});
    game.OnPitch();
    EXPECT_EQ(view.Messages(), (Lines{
        "ANNOUNCER: The Monsters scored a run!\nANNOUNCER: The Monsters chose to upgrade their Hit Level!",
        "UMPIRE: Ball Four!\nANNOUNCER: A Walk for the Monsters!",
    }));
    EXPECT_EQ(Runners(), "111");
    EXPECT_EQ(Describe(BoardOf(game)), "T1 H0 M1 b0 s0 o0 h1111 m1211");
}

TEST_F(GameTest, TheRunLevelMovesTheZonesOfExtraBaseAttempts)
{
    // At level 1 a roll of 69 is a single; 70 goes on to a double.
    BoardOf(game).InningHalf = "B";
    for (const auto& [roll, battles, runners] : {std::tuple{69, 1, "100"}, std::tuple{70, 2, "010"}}) {
        Bases(0, 0, 0);
        Draws({roll, 99});
        for (int battle = 0; battle < battles; ++battle) {
            Draws(Knockout(0));
            view.BattleClicks.push_back({"fight"});
        }
        game.OnReadyToSwing();
        EXPECT_EQ(Runners(), runners) << roll;
    }

    // Run level 5: a roll of 75 already brings a home-run attempt.
    Bases(0, 0, 0);
    BoardOf(game).HumanRunLevel = "5";
    view.Log.clear();
    Draws({75, 99});
    for (int battle = 0; battle < 4; ++battle) {
        Draws(Knockout(0));
        view.BattleClicks.push_back({"fight"});
    }
    view.SkillClicks.push_back({"hit", "ok"});
    game.OnReadyToSwing();
    EXPECT_EQ(view.Messages(), (Lines{
        "ANNOUNCER: The human swings, hits, and runs to the base!",
        "ANNOUNCER: The human is going for a double!",
        "ANNOUNCER: I can't believe this! The human is going for a triple!",
        "ANNOUNCER: The human is going for a home run!",
        "ANNOUNCER: The Humans scored a run!",
    }));
    EXPECT_EQ(Runners(), "000");
    EXPECT_EQ(BoardOf(game).HumansScore, "1");
    EXPECT_EQ(BoardOf(game).HumanHitLevel, "2");
}

TEST_F(GameTest, ARunnerPutOutGoingForATripleMovesTheOthersAsForADouble)
{
    BoardOf(game).InningHalf = "B";
    Bases(1, 0, 0);
    Draws({90, 99});
    Draws(Knockout(0));
    Draws(Knockout(0));
    view.BattleClicks.push_back({"fight"});
    view.BattleClicks.push_back({"fight"});
    view.BattleClicks.push_back({"surrender"});
    game.OnReadyToSwing();
    // 100 with a double is 011; the batter's base is then emptied again.
    EXPECT_EQ(Runners(), "001");
    EXPECT_EQ(BoardOf(game).Outs, "1");
    EXPECT_EQ(view.Log[view.Log.size() - 3], "base 2 off");
}

TEST_F(GameTest, ARunnerWhoGoesBackSafeFromAHomeRunAttemptEndsOnThird)
{
    BoardOf(game).InningHalf = "B";
    Bases(0, 1, 0);
    Draws({96, 99});
    for (int battle = 0; battle < 3; ++battle) {
        Draws(Knockout(0));
        view.BattleClicks.push_back({"fight"});
    }
    view.BattleClicks.push_back({"return"});
    view.SkillClicks.push_back({"run", "ok"});
    game.OnReadyToSwing();
    const auto messages = view.Messages();
    EXPECT_EQ(messages[messages.size() - 2], "The human returns to the base. The runner is SAFE!");
    EXPECT_EQ(messages.back(), "ANNOUNCER: The Humans scored a run!");
    EXPECT_EQ(Runners(), "001");
    EXPECT_EQ(BoardOf(game).Outs, "0");
}

}  // namespace
}  // namespace pennantry::test
