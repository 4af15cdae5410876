// Whole plays through the play buttons: thresholds, counts, walks, hits, the extra-base zones,
// every ending of a battle, the runners' moves and the runs they score.
#include "RecordingView.h"

namespace pennantry::test {
namespace {

using Lines = std::vector<std::string>;

const std::string Fresh = " H0 M0 b0 s0 o0 h1111 m1111";
const std::string Surrender = "[battle] ANNOUNCER: The player surrenders the base to the monster!";
const std::string HumansScore = "ANNOUNCER: The Humans scored a run!";
std::string MonstersScore(const std::string& skill)
{
    return "ANNOUNCER: The Monsters scored a run!\nANNOUNCER: The Monsters chose to upgrade their " + skill + " Level!";
}

// The boxes of a batter's running: the hit, then each attempt after it, the first `won` of these
// battles won and the announcement of the next one when `tries` goes further.
Lines Running(const std::string& side, int won, int tries = 0)
{
    const std::string steps[] = {"ANNOUNCER: The " + side + " swings, hits, and runs to the base!",
                                 "ANNOUNCER: The " + side + " is going for a double!",
                                 "ANNOUNCER: I can't believe this! The " + side + " is going for a triple!",
                                 "ANNOUNCER: The " + side + " is going for a home run!"};
    Lines boxes;
    for (int step = 0; step < std::max(won, tries); ++step) {
        boxes.push_back(steps[step]);
        if (step < won)
            boxes.push_back("[battle] ANNOUNCER: The " + side + " wins the base!");
    }
    return boxes;
}
Lines operator+(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
const std::string HumanHit = Running("human", 0, 1)[0], MonsterHit = Running("monster", 0, 1)[0];

std::string Kind(const std::string& first)
{
    if (first.rfind("UMPIRE: Stee-rike", 0) == 0) return "strike";
    if (first.rfind("UMPIRE: Ball", 0) == 0) return "ball";
    if (first.find("caught the ball!") != std::string::npos) return "caught";
    return first == HumanHit || first == MonsterHit ? "hit" : first;
}

TEST_F(GameTest, ThePitchRollAndTheLevelsDecideStrikeBallCatchOrHit)
{
    const struct {
        const char* half;
        Values levels;
        const char* script;
        const char* outcome;
    } cases[] = {
        // The edges at 44/45 and 59/60 and a catch at 24 are among the whole plays below.
        {"T1", {}, "p60 c25 S", "hit"},
        // The batting side's Hit level lowers both thresholds: at 13 no ball is left.
        {"B1", {{"HH", "13"}}, "p0 c0", "caught"},
        {"T1", {{"MH", "abc"}}, "p49", "strike"},  // not a number: level 0, a shift of -5
        {"T1", {{"MH", "abc"}}, "p64", "ball"}, {"T1", {{"MH", "abc"}}, "p65 c99 S", "hit"},
        // The fielding side's Pitch level raises the strike threshold, at 12 to 100.
        {"B1", {{"MP", "12"}}, "p99", "strike"}, {"T1", {{"HP", "4"}}, "p59", "strike"},
        {"T1", {{"HP", "4"}}, "p60 c99 S", "hit"},
        // The fielding side's Catch level raises the caught threshold.
        {"T1", {{"HC", "3"}}, "p60 c34", "caught"}, {"T1", {{"HC", "3"}}, "p60 c35 S", "hit"},
        {"B1", {{"MC", "3"}}, "p60 c34", "caught"},
        // Levels of the side that does not use them change nothing.
        {"B1", {{"HP", "20"}}, "p45", "ball"}, {"T1", {{"MC", "9"}}, "p60 c25 S", "hit"},
        // The largest level there is still makes a threshold, not an overflow.
        {"B1", {{"HH", "2147483647"}}, "p0 c99 S", "hit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.half) + " " + c.script);
        Load(c.half + Fresh, "000", c.levels);
        Play(c.script);
        EXPECT_EQ(Kind(view.Boxes().at(0)), c.outcome);
    }
}

// Each play starts from a loaded game (its half decides the button pressed) and is stated
// whole: the draws and answers in, every box and the scoreboard and runners out.
TEST_F(GameTest, EveryPlayShowsItsBoxesInOrderAndLeavesTheScoreboardAndRunnersAsItSays)
{
    const struct {
        const char* board;
        const char* runners;
        const char* script;
        Lines boxes;
        const char* after;
        const char* runnersAfter;
    } cases[] = {
        {"T1 H0 M0 b0 s1 o0 h1111 m1111", "000", "p44", {"UMPIRE: Stee-rike Two!"}, "T1 H0 M0 b0 s2 o0 h1111 m1111", "000"},
        {"T1 H0 M0 b3 s2 o0 h1111 m1111", "000", "p10", {"UMPIRE: Stee-rike Three! Yer Out!"}, "T1 H0 M0 b0 s0 o1 h1111 m1111", "000"},
        // A count below zero, which only a hand-edited save can hold, counts as none.
        {"T1 H0 M0 b2 s-3 o0 h1111 m1111", "000", "p10", {"UMPIRE: Stee-rike One!"}, "T1 H0 M0 b2 s1 o0 h1111 m1111", "000"},
        {"T1 H0 M0 b-1 s2 o0 h1111 m1111", "000", "p59", {"UMPIRE: Ball One!"}, "T1 H0 M0 b1 s2 o0 h1111 m1111", "000"},
        {"T1 H0 M0 b2 s2 o0 h1111 m1111", "000", "p45", {"UMPIRE: Ball Three!"}, "T1 H0 M0 b3 s2 o0 h1111 m1111", "000"},
        // The walk moves the runners as a single does, so a forced run is announced first.
        {"T1 H0 M0 b3 s2 o0 h1111 m1111", "111", "p50 d1", {MonstersScore("Hit"), "UMPIRE: Ball Four!\nANNOUNCER: A Walk for the Monsters!"},
         "T1 H0 M1 b0 s0 o0 h1111 m1211", "111"},
        {"B1 H0 M0 b3 s1 o0 h1111 m1111", "010", "p50", {"UMPIRE: Ball Four!\nANNOUNCER: A Walk for the Humans!"},
         "B1 H0 M0 b0 s0 o0 h1111 m1111", "110"},
        {"B1 H0 M0 b2 s1 o0 h1111 m1111", "100", "p60 c24",
         {"ANNOUNCER: The Human swings and hits the ball!\nANNOUNCER: The Monster caught the ball!"},
         "B1 H0 M0 b0 s0 o1 h1111 m1111", "100"},
        // The zones of extra-base attempts at level 1 end at 69, 84 and 94 (the movement table
        // below starts each one).
        {"B1 H0 M0 b2 s1 o0 h1111 m1111", "000", "p69 c99 M", Running("human", 1), "B1 H0 M0 b0 s0 o0 h1111 m1111", "100"},
        {"B1 H0 M0 b0 s0 o0 h1111 m1111", "000", "p84 c99 M M", Running("human", 2), "B1 H0 M0 b0 s0 o0 h1111 m1111", "010"},
        {"B1 H0 M0 b0 s0 o0 h1111 m1111", "000", "p94 c99 M M M", Running("human", 3), "B1 H0 M0 b0 s0 o0 h1111 m1111", "001"},
        // Each Run level moves the zones 5 lower: at 5 a roll of 75 is a home-run attempt.
        {"B1 H0 M0 b0 s0 o0 h5111 m1111", "000", "p75 c99 M M M M hit", Running("human", 4) + Lines{"skill hit ok", HumansScore},
         "B1 H1 M0 b0 s0 o0 h5211 m1111", "000"},
        {"T1 H0 M0 b0 s0 o0 h1111 m3111", "000", "p60 c99 H H", Running("monster", 2), "T1 H0 M0 b0 s0 o0 h1111 m3111", "010"},
        // A runner stopped on an attempt ends on the base he held: put out, that base empties.
        {"B1 H0 M0 b0 s0 o0 h1111 m1111", "100", "p90 c99 M M S", Running("human", 2, 3) + Lines{Surrender},
         "B1 H0 M0 b0 s0 o1 h1111 m1111", "001"},
        {"B1 H0 M0 b0 s0 o0 h1111 m1111", "010", "p96 c99 M M M R run",
         Running("human", 3, 4) + Lines{"The human returns to the base. The runner is SAFE!", "skill run ok", HumansScore},
         "B1 H1 M0 b0 s0 o0 h2111 m1111", "001"},
        // Out on an attempt for the third out: the sides change inside the battle, and the
        // batter put back on first is taken off again.
        {"B1 H0 M0 b0 s0 o2 h1111 m1111", "000", "p75 c99 M S",
         Running("human", 1, 2) + Lines{Surrender, "ANNOUNCER: Another Out! Top of the 2nd, Monsters Up To Bat!"},
         "T2 H0 M0 b0 s0 o0 h1111 m1111", "000"},
        // The runner takes the base when the other side falls, and is out when his own does.
        {"B1 H0 M0 b1 s1 o0 h1111 m1111", "000", "p65 c99 H", {HumanHit, "[battle] ANNOUNCER: The human is O-U-T!"},
         "B1 H0 M0 b0 s0 o1 h1111 m1111", "000"},
        {"T1 H0 M0 b1 s1 o0 h1111 m1111", "100", "p65 c99 M", {MonsterHit, "[battle] ANNOUNCER: The monster is O-U-T!"},
         "T1 H0 M0 b0 s0 o1 h1111 m1111", "100"},
        // A monster may turn back on an attempt, never at first base.
        {"T1 H0 M0 b0 s0 o0 h1111 m1111", "000", "p70 c99 H T",
         Running("monster", 1, 2) + Lines{"The monster returns to the base. The runner is SAFE!"}, "T1 H0 M0 b0 s0 o0 h1111 m1111", "100"},
        {"T1 H0 M0 b0 s0 o0 h1111 m1111", "000", "p65 c99 TS", {MonsterHit, Surrender}, "T1 H0 M0 b0 s0 o0 h1111 m1111", "100"},
        // The close box and Escape do nothing in a battle: only its buttons decide.
        {"B1 H0 M0 b0 s0 o0 h1111 m1111", "000", "p70 c99 M CES", Running("human", 1, 2) + Lines{Surrender},
         "B1 H0 M0 b0 s0 o1 h1111 m1111", "000"},
        // Return to Base is disabled at first base and for a monster runner: the click does nothing.
        {"B1 H0 M0 b0 s0 o0 h1111 m1111", "000", "p65 c99 RS", {HumanHit, Surrender}, "B1 H0 M0 b0 s0 o1 h1111 m1111", "000"},
        {"T1 H0 M0 b0 s0 o0 h1111 m1111", "000", "p70 c99 H RS", Running("monster", 1, 2) + Lines{Surrender},
         "T1 H0 M0 b0 s0 o0 h1111 m1111", "010"},
        // Four runs on one play: four upgrades, the Humans' each chosen before its box.
        {"B1 H0 M0 b0 s0 o0 h1111 m1111", "111", "p95 c99 M M M M run hit hit catch",
         Running("human", 4) + Lines{"skill run ok", HumansScore, "skill hit ok", HumansScore, "skill hit ok", HumansScore,
                                     "skill catch ok", HumansScore},
         "B1 H4 M0 b0 s0 o0 h2312 m1111", "000"},
        {"T1 H0 M0 b0 s0 o0 h1111 m1111", "111", "p95 c99 H H H H d3 d0 d2 d1",
         Running("monster", 4) + Lines{MonstersScore("Catch"), MonstersScore("Run"), MonstersScore("Pitch"), MonstersScore("Hit")},
         "T1 H0 M4 b0 s0 o0 h1111 m2222", "000"},
        // A game that ends inside a play ends that play: the loaded bases would otherwise be
        // moved as for a single and force a run home.
        {"B9 H2 M5 b0 s0 o2 h1111 m1111", "111", "p75 c99 M S no",
         Running("human", 1, 2) + Lines{Surrender, "ANNOUNCER: GAME OVER: The Monsters are the winners, 5 to 2!!!",
                                        "ask Play Again? no", "about", "close"},
         "T10 H2 M5 b0 s0 o0 h1111 m1111", "111"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.board) + " " + c.runners + ": " + c.script);
        Load(c.board, c.runners);
        Play(c.script);
        EXPECT_EQ(view.Boxes(), c.boxes);
        EXPECT_EQ(Describe(game.Board()), c.after);
        EXPECT_EQ(Runners(), c.runnersAfter);
    }
}

// The runners after a single, double, triple or home run from each state of the bases; the
// batter's runs are those the bases lose.
TEST_F(GameTest, EveryCellOfTheMovementTableMovesRunnersAndScoresAsItSays)
{
    const struct {
        const char* before;
        const char* after[4];
    } table[] = {
        {"000", {"100", "010", "001", "000"}}, {"100", {"110", "011", "001", "000"}},
        {"010", {"110", "011", "001", "000"}}, {"001", {"101", "011", "001", "000"}},
        {"110", {"111", "011", "001", "000"}}, {"101", {"111", "011", "001", "000"}},
        {"011", {"111", "010", "001", "000"}}, {"111", {"111", "011", "001", "000"}},
    };
    const auto count = [](const std::string& s) { return int(std::count(s.begin(), s.end(), '1')); };
    const char* rolls[] = {"p60 c99", "p70 c99 H", "p85 c99 H H", "p95 c99 H H H"};
    for (const auto& row : table) {
        for (int bases = 1; bases <= 4; ++bases) {
            const std::string after = row.after[bases - 1];
            const int runs = count(row.before) + 1 - count(after);
            SCOPED_TRACE(std::string(row.before) + " advancing " + std::to_string(bases));
            Load("T1" + Fresh, row.before);
            std::string script = std::string(rolls[bases - 1]) + " H";
            for (int run = 0; run < runs; ++run)
                script += " d0";
            Play(script);
            // Play checks the base pictures against these runners.
            EXPECT_EQ(Runners(), after);
            EXPECT_EQ(game.Board().MonstersScore, std::to_string(runs));
        }
    }
}

}  // namespace
}  // namespace pennantry::test
