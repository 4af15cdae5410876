// Runner advancement: the movement table, the base pictures and the runs it scores.
#include "GameFixture.h"

namespace pennantry::test {
namespace {

using Lines = std::vector<std::string>;

TEST_F(GameTest, EveryCellOfTheMovementTableMovesRunnersAndScoresAsItSays)
{
    const struct {
        const char* before;
        const char* after[4];
        int runs[4];
    } table[] = {
        {"000", {"100", "010", "001", "000"}, {0, 0, 0, 1}},
        {"100", {"110", "011", "001", "000"}, {0, 0, 1, 2}},
        {"010", {"110", "011", "001", "000"}, {0, 0, 1, 2}},
        {"001", {"101", "011", "001", "000"}, {0, 0, 1, 2}},
        {"110", {"111", "011", "001", "000"}, {0, 1, 2, 3}},
        {"101", {"111", "011", "001", "000"}, {0, 1, 2, 3}},
        {"011", {"111", "010", "001", "000"}, {0, 2, 2, 3}},
        {"111", {"111", "011", "001", "000"}, {1, 2, 3, 4}},
    };
    const auto runners = [](const char* s) { return (s[0] - '0') + (s[1] - '0') + (s[2] - '0'); };
    for (const auto& row : table) {
        for (int bases = 1; bases <= 4; ++bases) {
            const auto& after = row.after[bases - 1];
            const int runs = row.runs[bases - 1];
            SCOPED_TRACE(std::string(row.before) + " advancing " + std::to_string(bases));
            // No runner is lost and none is made up.
            EXPECT_EQ(runs, runners(row.before) + 1 - runners(after));

            BoardOf(game) = FreshBoard();
            Bases(row.before[0] - '0', row.before[1] - '0', row.before[2] - '0');
            play.BattingSide = 'm';
            play.BasesAdvanced = bases;
            view.Log.clear();
            for (int run = 0; run < runs; ++run)
                Draws({3});
            AdvanceRunners(game);

            EXPECT_EQ(Runners(), after);
            ASSERT_GE(view.Log.size(), 3u);
            const Lines pictures(view.Log.begin(), view.Log.begin() + 3);
            EXPECT_EQ(pictures, (Lines{std::string("base 1 ") + (after[0] == '1' ? "on" : "off"),
                                       std::string("base 2 ") + (after[1] == '1' ? "on" : "off"),
                                       std::string("base 3 ") + (after[2] == '1' ? "on" : "off")}));
            EXPECT_EQ(BoardOf(game).MonstersScore, std::to_string(runs));
            EXPECT_EQ(view.Messages().size(), static_cast<std::size_t>(runs));
            EXPECT_EQ(play.BasesAdvanced, bases) << "advancing must not change the count it reads";
        }
    }
}

TEST_F(GameTest, ACountAboveFourIsAHomeRunAndNoneAtAllMovesNothing)
{
    Bases(0, 0, 1);
    play.BattingSide = 'M';
    play.BasesAdvanced = 7;
    Draws({0, 0});
    AdvanceRunners(game);
    EXPECT_EQ(Runners(), "000");
    EXPECT_EQ(BoardOf(game).MonstersScore, "2");

    for (int none : {0, -1}) {
        Bases(1, 0, 1);
        view.Log.clear();
        play.BasesAdvanced = none;
        AdvanceRunners(game);
        EXPECT_EQ(Runners(), "101");
        EXPECT_TRUE(view.Log.empty());
    }
}

TEST_F(GameTest, ABasesLoadedHomeRunScoresFourFullRunsForEitherSide)
{
    Bases(1, 1, 1);
    play.BattingSide = 'h';
    play.BasesAdvanced = 4;
    for (const char* skill : {"run", "hit", "hit", "catch"})
        view.SkillClicks.push_back({skill, "ok"});
    AdvanceRunners(game);
    EXPECT_EQ(view.Take(), (Lines{
        "base 1 off", "base 2 off", "base 3 off",
        "skill run ok", "message ANNOUNCER: The Humans scored a run!",
        "skill hit ok", "message ANNOUNCER: The Humans scored a run!",
        "skill hit ok", "message ANNOUNCER: The Humans scored a run!",
        "skill catch ok", "message ANNOUNCER: The Humans scored a run!",
    }));
    EXPECT_EQ(Describe(BoardOf(game)), "T1 H4 M0 b0 s0 o0 h2312 m1111");

    // Four independent draws for the Monsters, Catch among them.
    Bases(1, 1, 1);
    play.BattingSide = 'M';
    Draws({3, 0, 32767, 6});
    AdvanceRunners(game);
    EXPECT_EQ(view.Messages().back(),
              "ANNOUNCER: The Monsters scored a run!\nANNOUNCER: The Monsters chose to upgrade their Pitch Level!");
    EXPECT_EQ(Describe(BoardOf(game)), "T1 H4 M4 b0 s0 o0 h2312 m2123");
}

}  // namespace
}  // namespace pennantry::test
