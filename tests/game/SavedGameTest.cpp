// Start-up, the closing ways and the saved game, through a store in memory.
#include "GameFixture.h"

namespace pennantry::test {
namespace {

using Lines = std::vector<std::string>;
using Values = std::map<std::string, std::string>;

Values SavedSet()
{
    return {{"B1", "2"}, {"B2", "0"}, {"B3", "x"}, {"BA", "1"}, {"HC", "7"}, {"HP", "1"}, {"HR", "3"}, {"HH", "1"},
            {"MC", "2"}, {"MP", "1"}, {"MR", "1"}, {"MH", "4"}, {"MRS", "3"}, {"HRS", "5"}, {"IN", "12"}, {"IP", "t"},
            {"OU", "2"}, {"ST", "1"}};
}

TEST_F(GameTest, StartUpShowsTheAboutBoxThenLoadsTheSavedGame)
{
    store.values = SavedSet();
    EXPECT_TRUE(game.StartUp());
    // Any half but exactly "T" puts the Humans at bat.
    EXPECT_EQ(view.Log, (Lines{"about", "base 1 on", "pitch off", "swing on", "refresh t12 H5 M3 b1 s1 o2 h3117 m1412"}));
    EXPECT_EQ(Runners(), "100");
    EXPECT_EQ(play.BattingSide, 'h');
    EXPECT_EQ(random.Seeds, (std::vector<std::uint32_t>{1000}));
}

TEST_F(GameTest, StartUpWithNoSavedGameBeginsANewOneAndAFailedStoreEndsTheProgram)
{
    Draws({2});
    view.SkillClicks.push_back({"hit", "ok"});
    EXPECT_TRUE(game.StartUp());
    EXPECT_EQ(view.Log.front(), "about");
    EXPECT_EQ(view.Messages(), Lines{"ANNOUNCER: The Monsters chose to upgrade their Pitch Level!\nPLAY BALL!"});
    EXPECT_EQ(play.BattingSide, 'M') << "a new game leaves the side for the first press to set";

    RecordingView failedView;
    store.opens = false;
    Game failed(failedView, random, clock, store, play);
    EXPECT_FALSE(failed.StartUp());
    EXPECT_EQ(failedView.Log, (Lines{"message Sorry - you need administrator privileges to run Pennantry.", "close"}));
}

TEST_F(GameTest, ASavedGameLoadsBackExactlyAsItWasSaved)
{
    BoardOf(game).Inning = "12";
    BoardOf(game).HumanCatchLevel = "7";
    BoardOf(game).InningHalf = "B";
    BoardOf(game).Outs = "2";
    BoardOf(game).MonstersScore = "05";
    Bases(0, 1, 1);
    game.OnSaveAndExit();
    EXPECT_EQ(view.Log, Lines{"close"});
    EXPECT_EQ(store.values.size(), 18u);

    RecordingView next;
    PlayVariables nextPlay;
    Game loaded(next, random, clock, store, nextPlay);
    LoadSavedGame(loaded);
    EXPECT_EQ(BoardOf(loaded), BoardOf(game));
    EXPECT_EQ(next.Log, (Lines{"base 2 on", "base 3 on", "pitch off", "swing on", "refresh B12 H0 M05 b0 s0 o2 h1117 m1111"}));
    EXPECT_EQ(nextPlay.BattingSide, 'h');
    EXPECT_EQ(nextPlay.BasesAdvanced, 0);
}

TEST_F(GameTest, TheCloseBoxSavesAsSaveAndExitDoesEscapeSavesNothingAndAFailedSaveKeepsTheWindowOpen)
{
    store.failure = "No space left on device";
    game.OnSaveAndExit();
    game.OnClose();
    store.failure.reset();
    game.OnCancel();
    EXPECT_TRUE(store.values.empty());
    game.OnClose();
    EXPECT_EQ(store.values.at("IP"), "T");
    const std::string failed = "message The game could not be saved.\nNo space left on device\n"
                               "The last save is kept. Try again, or press Escape to quit without saving.";
    EXPECT_EQ(view.Log, (Lines{failed, failed, "close", "close"}));
}

TEST_F(GameTest, TheAboutCommandAndItsLowBitVariantsOpenTheAboutBox)
{
    for (unsigned id = 16; id < 32; ++id)
        EXPECT_TRUE(game.OnSysCommand(id)) << id;
    EXPECT_FALSE(game.OnSysCommand(32));
    EXPECT_FALSE(game.OnSysCommand(0xF060));
    game.OnHelpAbout();
    EXPECT_EQ(view.Log.size(), 17u);
}

TEST_F(GameTest, AValueThatCannotBeReadGivesItsFieldTheTextOfANewGame)
{
    store.values = SavedSet();
    store.values.erase("HC");
    store.values.erase("IP");
    store.values["MRS"] = std::string(100, '9');
    store.values["IN"] = std::string("4\0junk", 6);
    store.values["B1"] = "";
    LoadSavedGame(game);
    EXPECT_EQ(Describe(BoardOf(game)), "T4 H5 M0 b1 s1 o2 h3111 m1412");
    EXPECT_EQ(Runners(), "000") << "an empty B1 still counts as a saved game";
    EXPECT_EQ(play.BattingSide, 'm');

    // A B1 too long to read is no saved game at all.
    store.values["B1"] = std::string(100, '1');
    view.SkillClicks.push_back({"cancel"});
    Draws({0});
    LoadSavedGame(game);
    EXPECT_EQ(Describe(BoardOf(game)), "T1 H0 M0 b0 s0 o0 h2111 m2111");
}

// Any text in any field plays on: a long automatic game from damaged saves, under the
// sanitizers, keeping the state between pitches as it must be.
TEST(DamagedSave, EveryFieldTextPlaysOnWithoutBreakingTheStateBetweenPitches)
{
    const std::vector<std::string> junk{"", "-3", "x", "99999999999999", "-2147483648", "2147483647", " 12", "T", "B",
                                        "\xff\xfe", "0x10", "5"};
    for (std::size_t round = 0; round < junk.size(); ++round) {
        PlayVariables play;
        ClassicRandom random;
        SteppingClock clock(static_cast<std::int64_t>(round) * 7919);
        MemoryStore store;
        RecordingView view;
        view.AutoAnswer = true;
        std::size_t i = round;
        for (const auto& field : ScoreboardFields)
            store.values[field.SavedName] = junk[i++ % junk.size()];
        store.values["B1"] = junk[round];
        store.values["B2"] = "1";
        Game game(view, random, clock, store, play);
        ASSERT_TRUE(game.StartUp());
        for (int pitch = 0; pitch < 300; ++pitch) {
            game.Board().InningHalf == "T" ? game.OnPitch() : game.OnReadyToSwing();
            ASSERT_EQ(view.Log.back().rfind("refresh ", 0), 0u);
            ASSERT_EQ(view.Log[view.Log.size() - 2], "ball off");
            ASSERT_EQ(play.BasesAdvanced, 0);
            ASSERT_EQ(play.AdvanceStopped, 1);
            ASSERT_EQ(play.RunnerOut, 0);
            ASSERT_LE(game.RunnerOnFirst() + game.RunnerOnSecond() + game.RunnerOnThird(), 3);
        }
        EXPECT_GT(view.Messages().size(), 300u) << "every pitch announces something";
    }
}

}  // namespace
}  // namespace pennantry::test
