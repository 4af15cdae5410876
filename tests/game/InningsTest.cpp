// Outs, changes of sides, the end of the game and a new game, reached by third strikes.
#include "RecordingView.h"

namespace pennantry::test {
namespace {

using Lines = std::vector<std::string>;

TEST_F(GameTest, AThirdOutChangesSidesOrEndsTheGameOnlyFromTheNinthOnWithTheScoresApart)
{
    // The half and inning and both scores, and the box the third out shows.
    const std::pair<const char*, const char*> cases[] = {
        {"T1 H0 M0", "ANNOUNCER: Another Out! Bottom of the 1st, Humans Up To Bat!"},
        {"B1 H0 M0", "ANNOUNCER: Another Out! Top of the 2nd, Monsters Up To Bat!"},
        {"B2 H0 M0", "ANNOUNCER: Another Out! Top of the 3rd, Monsters Up To Bat!"},
        // The suffix is taken from the last digit alone: the 11th is announced "11st" on purpose.
        {"B10 H3 M3", "ANNOUNCER: Another Out! Top of the 11st, Monsters Up To Bat!"},
        {"T9 H4 M2", "ANNOUNCER: Another Out! Bottom of the 9th, Humans Up To Bat!"},
        {"B9 H3 M3", "ANNOUNCER: Another Out! Top of the 10th, Monsters Up To Bat!"},
        {"B9 H2 M5", "ANNOUNCER: GAME OVER: The Monsters are the winners, 5 to 2!!!"},
        {"B9 H6 M3", "ANNOUNCER: GAME OVER: The Humans are the winners, 6 to 3!!!"},
        // Once behind after the top of an extra inning, the Humans do not bat in its bottom.
        {"T10 H3 M4", "ANNOUNCER: GAME OVER: The Monsters are the winners, 4 to 3!!!"},
        {"T12 H5 M3", "ANNOUNCER: GAME OVER: The Humans are the winners, 5 to 3!!!"},
        // Scores are compared as numbers: "05" against "5" is a tie.
        {"B9 H05 M5", "ANNOUNCER: Another Out! Top of the 10th, Monsters Up To Bat!"},
        // An empty inning reads as 0 and takes "th".
        {"T H0 M0", "ANNOUNCER: Another Out! Bottom of the 0th, Humans Up To Bat!"},
    };
    for (const auto& [board, message] : cases) {
        SCOPED_TRACE(board);
        Load(std::string(board) + " b0 s2 o2 h1111 m1111", "110");
        const bool over = std::string(message).find("GAME OVER") != std::string::npos;
        Play(over ? "p0 no" : "p0");
        // A game that ends erases its save, and No shows the About box and closes the window.
        const Lines boxes = view.Boxes();
        EXPECT_EQ(Lines(boxes.begin() + 1, boxes.end()),
                  (over ? Lines{message, "ask Play Again? no", "about", "close"} : Lines{message}));
        EXPECT_EQ(store.values.size(), over ? 0u : 18u);
        EXPECT_EQ(game.Board().Outs, "0");
        EXPECT_EQ(game.Board().InningHalf, board[0] == 'B' ? "T" : "B");
        EXPECT_EQ(view.PitchEnabled, board[0] == 'B');
        EXPECT_EQ(Runners(), over ? "110" : "000") << "a game that ends keeps its bases";
    }

    // A finished game the store cannot clear would come back at the next start: the player is told.
    Load("B9 H2 M5 b0 s2 o2 h1111 m1111");
    store.failure = "Pennantry.conf is read-only";
    Play("p0 no");
    EXPECT_EQ(view.Boxes().at(2), "The finished game could not be cleared.\nPennantry.conf is read-only\n"
                                  "The last save is kept, and the next start resumes it.");
    EXPECT_EQ(store.values.size(), 18u);
}

// Yes to "Play Again?" begins a new game at once, every field reset. The skill the player picked
// last, in any dialog since the program started, is the one a cancelled dialog upgrades; nothing
// picked yet means Run.
TEST_F(GameTest, PlayAgainBeginsANewGameWithThePickedSkillOrTheOneLeftFromAnEarlierPick)
{
    Queue("cancel d3");
    ASSERT_TRUE(game.StartUp());
    EXPECT_EQ(Describe(game.Board()), "T1 H0 M0 b0 s0 o0 h2111 m1112");
    for (const auto& [script, board] : {std::pair{"p0 yes hit+catch d1", "T1 H0 M0 b0 s0 o0 h1112 m1211"},
                                        std::pair{"p0 yes cancel d0", "T1 H0 M0 b0 s0 o0 h1112 m2111"}}) {
        Load("B12 H5 M3 b1 s2 o2 h1511 m1171", "111");
        Play(script);
        EXPECT_EQ(Describe(game.Board()), board);
        EXPECT_EQ(Runners(), "000");
        EXPECT_TRUE(view.PitchEnabled);
    }
}

}  // namespace
}  // namespace pennantry::test
