// The main window: its window operations, its start-up order and the ways it closes.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "AboutBox.h"
#include "DialogTemplates.h"
#include "GameWindow.h"
#include "ModalScript.h"
#include "TemplateBuilder.h"

namespace pennantry {
namespace {

using test::ModalScript;

void PressOk(QWidget* window) { Control<QPushButton>(*window, ids::Ok)->click(); }

class Window : public test::UiTest {
protected:
    QLabel* Label(int id) { return Control<QLabel>(window, id); }
    bool Enabled(int id) { return Control(window, id)->isEnabled(); }
    // Two null pixmaps compare equal, so a missing bitmap must not pass for the right one.
    bool Shows(int id, int bitmap)
    {
        return !Label(id)->pixmap().isNull() && Label(id)->pixmap().toImage() == Bitmap(bitmap, window.devicePixelRatioF()).toImage();
    }

    // With nothing saved: the About box, then a new game with Pitch picked and its "PLAY BALL!" box.
    void StartNewGame()
    {
        store.values.clear();
        ModalScript script;
        script.Then(ModalScript::Is<AboutBox>, PressOk).Click(ids::PitchLevel).Click(ids::Ok).Press();
        ASSERT_TRUE(window.StartUp());
        ASSERT_EQ(script.Boxes().size(), 1u);
        EXPECT_TRUE(script.Boxes()[0].ends_with("\nPLAY BALL!"));
        EXPECT_EQ(Label(1008)->text(), QStringLiteral("2"));  // the Humans' pitch level, upgraded
        EXPECT_EQ(Label(1018)->text() + Label(1019)->text(), QStringLiteral("1T"));
        EXPECT_TRUE(Enabled(ids::PitchButton));
        EXPECT_FALSE(Enabled(ids::SwingButton));
    }

    PlayVariables play;
    ClassicRandom random;
    SteppingClock clock{1234};
    MemoryStore store;
    GameWindow window{random, clock, store, play};
};

TEST_F(Window, ShowsAChangedFieldOnlyAfterARefreshButPicturesBallAndButtonsAtOnce)
{
    Scoreboard& board = window.CurrentGame().Board;
    int n = 100;
    for (const ScoreboardField& field : ScoreboardFields)
        board.*field.Member = std::to_string(n++);
    for (const ScoreboardField& field : ScoreboardFields)
        EXPECT_EQ(Label(field.Label)->text(), QString()) << field.Name;
    window.RefreshLabels(board);
    for (const ScoreboardField& field : ScoreboardFields)
        EXPECT_EQ(Label(field.Label)->text().toStdString(), board.*field.Member) << field.Name;

    const int bases[] = {ids::FirstBasePicture, ids::SecondBasePicture, ids::ThirdBasePicture};
    for (const bool occupied : {true, false}) {
        for (int base = 1; base <= 3; ++base) {
            window.SetBasePicture(base, occupied);
            EXPECT_TRUE(Shows(bases[base - 1], occupied ? BitmapOccupiedBase : BitmapEmptyBase)) << base;
        }
        window.ShowBall(occupied);
        EXPECT_EQ(Label(ids::BallPicture)->isHidden(), !occupied);
        window.EnablePlayButton(PlayButton::Swing, occupied);
        window.EnablePlayButton(PlayButton::Pitch, !occupied);
        EXPECT_EQ(Enabled(ids::SwingButton), occupied);
        EXPECT_EQ(Enabled(ids::PitchButton), !occupied);
    }
}

TEST_F(Window, AsksPlayAgainUntilAnsweredYesOrNo)
{
    ModalScript script;
    script.Then(ModalScript::Is<QMessageBox>, [](QWidget* w) {
        // Neither Escape nor the close box may end a game by a slip.
        QTest::keyClick(w, Qt::Key_Escape);
        w->close();
        EXPECT_TRUE(w->isVisible());
    });
    script.Press(QMessageBox::No).Press(QMessageBox::Yes);
    EXPECT_EQ(window.AskYesNo("Play Again?"), Answer::No);
    EXPECT_EQ(window.AskYesNo("Play Again?"), Answer::Yes);
    EXPECT_EQ(script.Boxes()[0], test::Box("Play Again?"));
}

TEST_F(Window, AStoreThatCannotOpenShowsItsMessageAndNoWindowAtAll)
{
    store.opens = false;
    ModalScript script;
    script.Press();
    EXPECT_FALSE(window.StartUp());
    EXPECT_EQ(script.Boxes(), std::vector<std::string>{test::Box(StoreFailureText)});
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Window, LoadsTheSavedGameOnlyAfterTheAboutBoxAndBeforeTheWindowShows)
{
    // The bottom of the fourth, runners on first and third.
    store.values = {{"B1", "1"}, {"B2", "0"}, {"B3", "1"}, {"BA", "2"}, {"HC", "3"}, {"HP", "4"},  {"HR", "5"},
                    {"HH", "6"}, {"MC", "7"}, {"MP", "8"}, {"MR", "9"}, {"MH", "11"}, {"MRS", "12"}, {"HRS", "13"},
                    {"IN", "4"}, {"IP", "B"}, {"OU", "1"}, {"ST", "2"}};
    const auto saved = store.values;
    ModalScript script;
    script.Then(ModalScript::Is<AboutBox>, [&](QWidget* w) {
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(Label(1004)->text(), QString());
        PressOk(w);
    });
    ASSERT_TRUE(window.StartUp());
    for (const ScoreboardField& field : ScoreboardFields)
        EXPECT_EQ(Label(field.Label)->text().toStdString(), saved.at(field.SavedName)) << field.Name;
    EXPECT_TRUE(Shows(ids::FirstBasePicture, BitmapOccupiedBase) && Shows(ids::SecondBasePicture, BitmapEmptyBase)
                && Shows(ids::ThirdBasePicture, BitmapOccupiedBase));
    EXPECT_TRUE(Enabled(ids::SwingButton) && !Enabled(ids::PitchButton) && !window.isVisible());
}

TEST_F(Window, StartsANewGameWithThePickedSkillAndSavesItOnSaveAndExitOrTheCloseBoxButNotOnEscape)
{
    const std::pair<std::function<void(GameWindow&)>, bool> ways[] = {
        {[](GameWindow& w) { Control<QPushButton>(w, ids::SaveExitButton)->click(); }, true},
        {[](GameWindow& w) { w.close(); }, true},
        {[](GameWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); }, false},
    };
    for (const auto& [close, saves] : ways) {
        StartNewGame();
        EXPECT_FALSE(window.isVisible());
        store.values.clear();
        window.show();
        close(window);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(store.values.size(), saves ? 18u : 0u);
        EXPECT_EQ(store.values["HP"], saves ? "2" : "");
    }
}

}  // namespace
}  // namespace pennantry
