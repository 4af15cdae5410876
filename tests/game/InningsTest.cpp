// Outs, changes of sides, the end of the game and a new game.
#include "GameFixture.h"

namespace pennantry::test {
namespace {

using Lines = std::vector<std::string>;

TEST_F(GameTest, AThirdOutChangesSidesOrEndsTheGameOnlyFromTheNinthOnWithTheScoresApart)
{
    const struct {
        const char* inning;
        const char* half;
        const char* humans;
        const char* monsters;
        const char* message;  // the one box the third out shows
    } cases[] = {
        {"1", "T", "0", "0", "ANNOUNCER: Another Out! Bottom of the 1st, Humans Up To Bat!"},
        {"1", "B", "0", "0", "ANNOUNCER: Another Out! Top of the 2nd, Monsters Up To Bat!"},
        {"2", "B", "0", "0", "ANNOUNCER: Another Out! Top of the 3rd, Monsters Up To Bat!"},
        {"10", "B", "3", "3", "ANNOUNCER: Another Out! Top of the 11st, Monsters Up To Bat!"},
        {"9", "T", "4", "2", "ANNOUNCER: Another Out! Bottom of the 9th, Humans Up To Bat!"},
        {"9", "B", "3", "3", "ANNOUNCER: Another Out! Top of the 10th, Monsters Up To Bat!"},
        {"9", "B", "2", "5", "ANNOUNCER: GAME OVER: The Monsters are the winners, 5 to 2!!!"},
        {"9", "B", "6", "3", "ANNOUNCER: GAME OVER: The Humans are the winners, 6 to 3!!!"},
        {"10", "T", "3", "4", "ANNOUNCER: GAME OVER: The Monsters are the winners, 4 to 3!!!"},
        {"12", "T", "5", "3", "ANNOUNCER: GAME OVER: The Humans are the winners, 5 to 3!!!"},
        // Scores are compared as numbers: "05" against "5" is a tie.
        {"9", "B", "05", "5", "ANNOUNCER: Another Out! Top of the 10th, Monsters Up To Bat!"},
        // An empty inning reads as 0 and takes "th".
        {"", "T", "0", "0", "ANNOUNCER: Another Out! Bottom of the 0th, Humans Up To Bat!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.half) + c.inning + " " + c.humans + "-" + c.monsters);
        BoardOf(game) = FreshBoard();
        BoardOf(game).Inning = c.inning;
        BoardOf(game).InningHalf = c.half;
        BoardOf(game).HumansScore = c.humans;
        BoardOf(game).MonstersScore = c.monsters;
        BoardOf(game).Outs = "2";
        Bases(1, 1, 0);
        view.Log.clear();
        const bool over = std::string(c.message).find("GAME OVER") != std::string::npos;
        if (over)
            view.Answers.push_back(Answer::No);
        RecordOut(game);
        ASSERT_FALSE(view.Messages().empty());
        EXPECT_EQ(view.Messages().front(), c.message);
        EXPECT_EQ(BoardOf(game).Outs, "0");
        const bool topNext = std::string(c.half) == "B";
        EXPECT_EQ(BoardOf(game).InningHalf, topNext ? "T" : "B");
        EXPECT_EQ(Runners(), over ? "110" : "000") << "a game that ends keeps its bases";
    }
}

TEST_F(GameTest, TheFirstTwoOutsOnlyCountAndTheThirdSwapsThePlayButtonsBeforeItsAnnouncement)
{
    for (int out = 0; out < 3; ++out)
        RecordOut(game);
    EXPECT_EQ(view.Log, (Lines{
        "refresh T1 H0 M0 b0 s0 o1 h1111 m1111",
        "refresh T1 H0 M0 b0 s0 o2 h1111 m1111",
        "swing on", "pitch off",
        "message ANNOUNCER: Another Out! Bottom of the 1st, Humans Up To Bat!",
        "base 1 off", "base 2 off", "base 3 off",
        "refresh B1 H0 M0 b0 s0 o0 h1111 m1111",
        "refresh B1 H0 M0 b0 s0 o0 h1111 m1111",
    }));
}

TEST_F(GameTest, GameOverErasesTheSaveThenNoShowsTheAboutBoxAndCloses)
{
    store.values = {{"B1", "1"}, {"IN", "9"}, {"XX", "kept"}};
    BoardOf(game).Inning = "9";
    BoardOf(game).InningHalf = "B";
    BoardOf(game).MonstersScore = "5";
    BoardOf(game).HumansScore = "2";
    BoardOf(game).Outs = "2";
    view.Answers.push_back(Answer::No);
    RecordOut(game);
    EXPECT_EQ(view.Log, (Lines{
        "swing off", "pitch on",
        "message ANNOUNCER: GAME OVER: The Monsters are the winners, 5 to 2!!!",
        "ask Play Again? no",
        "about",
        "close",
        "refresh T10 H2 M5 b0 s0 o0 h1111 m1111",
    }));
    EXPECT_EQ(store.values, (std::map<std::string, std::string>{{"XX", "kept"}}));
}

TEST_F(GameTest, GameOverAnsweredYesBeginsANewGameAtOnce)
{
    BoardOf(game).Inning = "10";
    BoardOf(game).InningHalf = "T";
    BoardOf(game).MonstersScore = "4";
    BoardOf(game).HumansScore = "3";
    BoardOf(game).HumanHitLevel = "6";
    BoardOf(game).Outs = "2";
    view.Answers.push_back(Answer::Yes);
    view.SkillClicks.push_back({"pitch", "ok"});
    Draws({1});
    RecordOut(game);
    const Lines log = view.Take();
    const Lines tail(log.begin() + 3, log.end());
    EXPECT_EQ(tail, (Lines{
        "ask Play Again? yes",
        "skill pitch ok",
        "ball off", "pitch on", "swing off",
        "base 1 off", "base 2 off", "base 3 off",
        "refresh T1 H0 M0 b0 s0 o0 h1111 m1111",
        "message ANNOUNCER: The Monsters chose to upgrade their Hit Level!\nPLAY BALL!",
        "refresh T1 H0 M0 b0 s0 o0 h1121 m1211",
    }));
}

TEST_F(GameTest, ANewGameUpgradesTheSkillLeftFromAnEarlierChoiceWhenTheDialogIsCancelled)
{
    // Nothing picked since the program started: Run.
    view.SkillClicks.push_back({"cancel"});
    Draws({3});
    NewGame(game);
    EXPECT_EQ(Describe(BoardOf(game)), "T1 H0 M0 b0 s0 o0 h2111 m1112");

    view.SkillClicks.push_back({"hit", "catch", "ok"});
    Draws({3});
    NewGame(game);
    EXPECT_EQ(Describe(BoardOf(game)), "T1 H0 M0 b0 s0 o0 h1112 m1112");

    view.SkillClicks.push_back({"cancel"});
    Draws({0});
    NewGame(game);
    EXPECT_EQ(Describe(BoardOf(game)), "T1 H0 M0 b0 s0 o0 h1112 m2111");
}

// A game that ends inside a play ends that play too: no runner left on base by the battle
// scores afterwards, whichever the answer.
TEST_F(GameTest, TheRestOfAPlayDoesNothingOnceTheGameHasEndedInIt)
{
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "yes" : "no");
        BoardOf(game) = FreshBoard();
        BoardOf(game).Inning = "9";
        BoardOf(game).InningHalf = "B";
        BoardOf(game).MonstersScore = "5";
        BoardOf(game).HumansScore = "2";
        BoardOf(game).Outs = "2";
        Bases(1, 1, 1);
        view.Log.clear();
        // Safe at first, then out going for a double: a stopped attempt would move the loaded
        // bases as for a single and force a run home.
        Draws({75, 99});
        Draws(Knockout(0));
        view.BattleClicks.push_back({"fight"});
        view.BattleClicks.push_back({"surrender"});
        view.Answers.push_back(answer);
        if (answer == Answer::Yes) {
            view.SkillClicks.push_back({"run", "ok"});
            Draws({0});
        }
        game.OnReadyToSwing();

        const Lines log = view.Log;
        const auto asked = std::find_if(log.begin(), log.end(), [](const std::string& l) { return l.rfind("ask ", 0) == 0; });
        ASSERT_NE(asked, log.end());
        const Lines after(asked + 1, log.end());
        if (answer == Answer::No) {
            EXPECT_EQ(after, (Lines{"about", "close", "refresh T10 H2 M5 b0 s0 o0 h1111 m1111", "ball off",
                                    "refresh T10 H2 M5 b0 s0 o0 h1111 m1111"}));
        } else {
            EXPECT_EQ(after.back(), "refresh T1 H0 M0 b0 s0 o0 h2111 m2111");
            EXPECT_EQ(Runners(), "000");
        }
        EXPECT_EQ(BoardOf(game).HumansScore, answer == Answer::Yes ? "0" : "2");
        EXPECT_EQ(play.BasesAdvanced, 0);
        EXPECT_EQ(play.AdvanceStopped, 1);
    }
}

}  // namespace
}  // namespace pennantry::test
