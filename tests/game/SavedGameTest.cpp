// Start-up, the closing ways and the saved game, through a store in memory.
#include "RecordingView.h"

namespace pennantry::test {
namespace {

using Lines = std::vector<std::string>;

const Values Saved{{"B1", "2"}, {"B2", "0"}, {"B3", "x"},  {"BA", "1"},  {"HC", "7"},  {"HP", "1"},
                   {"HR", "3"}, {"HH", "1"}, {"MC", "2"},  {"MP", "1"},  {"MR", "1"},  {"MH", "4"},
                   {"MRS", "3"}, {"HRS", "5"}, {"IN", "12"}, {"IP", "t"}, {"OU", "2"}, {"ST", "1"}};

// The skill is picked before the board is reset (OK waits for the pick), and the labels show
// every level at 1 while the Monsters' upgrade is announced.
TEST_F(GameTest, StartUpWithNoSavedGameBeginsANewOneAndAFailedStoreEndsTheProgram)
{
    Queue("ok+pitch d1");
    EXPECT_TRUE(game.StartUp());
    EXPECT_EQ(view.Log, (Lines{"about", "skill ok (ignored) pitch ok", "ball off", "pitch on", "swing off",
                               "base 1 off", "base 2 off", "base 3 off", "refresh T1 H0 M0 b0 s0 o0 h1111 m1111",
                               "message ANNOUNCER: The Monsters chose to upgrade their Hit Level!\nPLAY BALL!",
                               "refresh T1 H0 M0 b0 s0 o0 h1121 m1211"}));

    RecordingView failedView;
    store.opens = false;
    Game failed(failedView, random, clock, store, play);
    EXPECT_FALSE(failed.StartUp());
    // A store that says why shows its own words instead.
    store.refusal = "A folder stands there.";
    EXPECT_FALSE(failed.StartUp());
    EXPECT_EQ(failedView.Log, (Lines{"message Sorry - you need administrator privileges to run Pennantry.", "close",
                                     "message A folder stands there.", "close"}));
}

// A failed save keeps the window open and the last save whole; Escape saves nothing; the close
// box saves as Save & Exit does, and the next start finds the same game.
TEST_F(GameTest, TheCloseBoxAndSaveAndExitSaveTheGameThatTheNextStartLoadsEscapeSavesNothingAndAFailedSaveKeepsTheWindowOpen)
{
    Load("B12 H0 M05 b3 s2 o2 h1117 m1111", "011", {{"B3", "7"}});
    store.failure = "No space left on device";
    game.OnSaveAndExit();
    game.OnClose();
    store.failure.reset();
    game.OnCancel();
    EXPECT_EQ(store.values.at("B3"), "7");
    for (const auto close : {&Game::OnClose, &Game::OnSaveAndExit}) {
        store.values.clear();
        (game.*close)();
        EXPECT_EQ(store.values.size(), 18u);
        EXPECT_EQ(store.values.at("B3"), "1");

        RecordingView next;
        Game loaded(next, random, clock, store, play);
        ASSERT_TRUE(loaded.StartUp());
        EXPECT_EQ(loaded.Board(), game.Board());
        EXPECT_EQ(next.Log, (Lines{"about", "base 2 on", "base 3 on", "pitch off", "swing on", "refresh B12 H0 M05 b3 s2 o2 h1117 m1111"}));
    }
    const std::string failed = "message The game could not be saved.\nNo space left on device\n"
                               "The last save is kept. Try again, or press Escape to quit without saving.";
    EXPECT_EQ(view.Log, (Lines{failed, failed, "close", "close", "close"}));
}

// A command that is not live does nothing: the other half's play button, and anything at all
// once the window has closed.
TEST_F(GameTest, ACommandThatIsNotLiveDoesNothingAndAClosedWindowTakesNone)
{
    Load("T1 H0 M0 b0 s0 o0 h1111 m1111");
    store.values.clear();
    EXPECT_FALSE(game.Perform(Command::Swing));
    EXPECT_TRUE(game.Perform(Command::SystemAbout));
    EXPECT_TRUE(game.Perform(Command::Escape));
    for (const Command command : {Command::Pitch, Command::SaveAndExit, Command::Close, Command::HelpAbout, Command::Escape})
        EXPECT_FALSE(game.Perform(command));
    EXPECT_EQ(game.EnterCommand(), std::nullopt);
    EXPECT_EQ(view.Log, (Lines{"about", "close"}));
    EXPECT_TRUE(store.values.empty()) << "a closed window saved";
}

TEST_F(GameTest, TheAboutCommandAndItsLowBitVariantsOpenTheAboutBox)
{
    for (unsigned id = 16; id < 32; ++id)
        EXPECT_TRUE(game.OnSysCommand(id)) << id;
    EXPECT_FALSE(game.OnSysCommand(32));
    EXPECT_FALSE(game.OnSysCommand(0xF060));
    game.OnHelpAbout();
    EXPECT_EQ(view.Log, Lines(17, "about"));
}

TEST_F(GameTest, AValueThatCannotBeReadGivesItsFieldTheTextOfANewGame)
{
    Values saved = Saved;
    for (const char* name : {"HC", "MH", "ST", "IP"})
        saved.erase(name);
    saved["MRS"] = std::string(100, '9');
    saved["HRS"] = std::string(99, '9');
    saved["IN"] = std::string("4\0junk", 6);
    saved["B1"] = "";
    store.values = saved;
    ASSERT_TRUE(game.StartUp());
    EXPECT_EQ(Describe(game.Board()), "T4 H" + std::string(99, '9') + " M0 b1 s0 o2 h3111 m1112");
    EXPECT_EQ(Runners(), "000") << "an empty B1 still counts as a saved game";
    EXPECT_TRUE(view.PitchEnabled);

    // A B1 too long to read is no saved game at all.
    store.values["B1"] = std::string(100, '1');
    Queue("cancel d0");
    ASSERT_TRUE(game.StartUp());
    EXPECT_EQ(Describe(game.Board()), "T1 H0 M0 b0 s0 o0 h2111 m2111");
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
            view.PitchEnabled ? game.OnPitch() : game.OnReadyToSwing();
            ASSERT_EQ(view.PitchEnabled, game.Board().InningHalf == "T");
            ASSERT_EQ(view.Log.back().rfind("refresh ", 0), 0u);
            ASSERT_EQ(view.Log[view.Log.size() - 2], "ball off");
            ASSERT_EQ(play.BasesAdvanced, 0);
            ASSERT_EQ(play.AdvanceStopped, 1);
            ASSERT_EQ(play.RunnerOut, 0);
        }
        EXPECT_GT(view.Boxes().size(), 300u) << "every pitch announces something";
    }
}

}  // namespace
}  // namespace pennantry::test
