// A game saved through the real store on a file goes on in a second game, as a later run would.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "Game.h"
#include "StoreTestFiles.h"

namespace pennantry {
namespace {

using namespace pennantry::test;

// Keeps what the game last showed. Loading and saving need no prompt beyond the About box, so
// any other box or dialog fails the test.
class StubView final : public WindowOps {
public:
    void RefreshLabels(const Scoreboard& board) override { Labels = board; }
    void EnablePlayButton(PlayButton button, bool enabled) override
    {
        (button == PlayButton::Pitch ? PitchEnabled : SwingEnabled) = enabled;
    }
    void ShowBall(bool shown) override { BallShown = shown; }
    void SetBasePicture(int base, bool occupied) override { Bases.at(base - 1) = occupied; }
    void ShowMessage(const std::string& text, const std::string&) override { Messages.push_back(text); }
    Answer AskYesNo(const std::string& text) override
    {
        ADD_FAILURE() << "unexpected question: " << text;
        return Answer::No;
    }
    void RunAboutDialog() override { ++AboutBoxes; }
    void RunSkillDialog(SkillUpgradeRules&) override { ADD_FAILURE() << "unexpected skill dialog"; }
    void RunBattleDialog(BattleRules&) override { ADD_FAILURE() << "unexpected battle dialog"; }
    void CloseWindow() override { Closed = true; }

    Scoreboard Labels;
    bool PitchEnabled = true;
    bool SwingEnabled = true;
    bool BallShown = false;
    std::array<bool, 3> Bases{};
    std::vector<std::string> Messages;
    int AboutBoxes = 0;
    bool Closed = false;
};

// One run of the program on a store file.
struct ProgramRun {
    explicit ProgramRun(const std::string& path) : store(path), game(view, random, clock, store, play) {}

    StubView view;
    ClassicRandom random;
    SteppingClock clock{1000};
    SettingsStore store;
    PlayVariables play;
    Game game;
};

Scoreboard MidGame()
{
    Scoreboard board;
    board.Balls = "3";
    board.Strikes = "2";
    board.Outs = "1";
    board.Inning = "12";
    board.InningHalf = "B";
    board.HumansScore = "10";
    board.MonstersScore = "9";
    board.HumanRunLevel = "7";
    board.HumanHitLevel = "2";
    board.HumanPitchLevel = "3";
    board.HumanCatchLevel = "4";
    board.MonsterRunLevel = "5";
    board.MonsterHitLevel = "1";
    board.MonsterPitchLevel = "06";
    board.MonsterCatchLevel = "8";
    return board;
}

class SavedGameThroughFileTest : public ::testing::Test {
protected:
    // Each run reads a copy at a new path, so what it loads can only have come through the file.
    std::string NextRunPath()
    {
        const std::string next = dir.filePath(QString("run%1/Pennantry.conf").arg(++runs)).toStdString();
        PutFile(next, FileBytes(path));
        return next;
    }

    QTemporaryDir dir;
    std::string path = dir.filePath("Tessivar/Pennantry.conf").toStdString();
    int runs = 0;
};

TEST_F(SavedGameThroughFileTest, SaveAndExitThenANewStartShowsTheSameGameWithTheBallHidden)
{
    {
        ProgramRun first(path);
        ASSERT_TRUE(first.store.Open());
        first.game.Board = MidGame();
        first.game.RunnerOnFirst = 1;
        first.game.RunnerOnThird = 1;
        first.game.OnSaveAndExit();
        EXPECT_TRUE(first.view.Closed);
    }
    ProgramRun second(NextRunPath());
    ASSERT_TRUE(second.game.StartUp());
    EXPECT_EQ(second.view.AboutBoxes, 1);
    EXPECT_EQ(second.game.Board, MidGame());
    EXPECT_EQ(second.view.Labels, MidGame());
    EXPECT_EQ((std::array{second.game.RunnerOnFirst, second.game.RunnerOnSecond, second.game.RunnerOnThird}),
              (std::array<std::uint8_t, 3>{1, 0, 1}));
    EXPECT_EQ(second.view.Bases, (std::array{true, false, true}));
    EXPECT_FALSE(second.view.PitchEnabled);
    EXPECT_TRUE(second.view.SwingEnabled);
    EXPECT_TRUE(second.play.HumansBat());
    EXPECT_FALSE(second.view.BallShown);
    EXPECT_TRUE(second.view.Messages.empty());
}

TEST_F(SavedGameThroughFileTest, AFinishedGameLeavesNoValuesInTheFile)
{
    ProgramRun first(path);
    ASSERT_TRUE(first.store.Open());
    first.game.Board = MidGame();
    first.game.SaveGame();
    first.game.EraseSavedGame();
    EXPECT_EQ(ReadBack(path), Expected({}));
}

TEST_F(SavedGameThroughFileTest, AHandEditedFileLoadsWhatItCanAndNewGameTextsForTheRest)
{
    // HC is missing and IN is over 99 characters: both take the text a new game starts with.
    PutFile(path, "[General]\nB1=2\nB2=x\nB3=\nBA=1,2\nIN=" + std::string(100, '5') +
                      "\nIP=T\nHRS=@ByteArray(4)\nMRS=not a number\n");
    ProgramRun run(NextRunPath());
    ASSERT_TRUE(run.game.StartUp());
    EXPECT_EQ(run.view.Bases, (std::array{true, false, false}));
    EXPECT_EQ(run.game.Board.Balls, "1,2");
    EXPECT_EQ(run.game.Board.HumansScore, "4");
    EXPECT_EQ(run.game.Board.MonstersScore, "not a number");
    EXPECT_EQ(run.game.Board.HumanCatchLevel, "1");
    EXPECT_EQ(run.game.Board.Inning, "1");
    EXPECT_EQ(run.game.Board.Outs, "0");
    EXPECT_TRUE(run.view.PitchEnabled);
    EXPECT_FALSE(run.view.SwingEnabled);
}

TEST_F(SavedGameThroughFileTest, AStoreThatCannotBeCreatedEndsTheProgramWithTheAdministratorMessage)
{
    PutFile(dir.filePath("plain-file").toStdString(), "not a folder");
    ProgramRun run(dir.filePath("plain-file/Tessivar/Pennantry.conf").toStdString());
    EXPECT_FALSE(run.game.StartUp());
    EXPECT_EQ(run.view.Messages, std::vector<std::string>{StoreFailureText});
    EXPECT_EQ(run.view.AboutBoxes, 0);
    EXPECT_TRUE(run.view.Closed);
}

}  // namespace
}  // namespace pennantry
