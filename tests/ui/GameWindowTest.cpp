// The main window: its window operations, its start-up order and the ways it closes.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "AboutBox.h"
#include "DialogTemplates.h"
#include "GameWindow.h"
#include "ModalScript.h"
#include "SkillUpgradeDialog.h"
#include "TemplateBuilder.h"

namespace pennantry {
namespace {

using test::ModalScript;

bool SameImage(const QLabel* label, int bitmap) { return label->pixmap().toImage() == Bitmap(bitmap).toImage(); }

// A saved game in the middle of the bottom of the fourth, runners on first and third.
const std::map<std::string, std::string> SavedGame{
    {"B1", "1"}, {"B2", "0"}, {"B3", "1"}, {"BA", "2"}, {"HC", "3"}, {"HP", "4"}, {"HR", "5"}, {"HH", "6"},
    {"MC", "7"}, {"MP", "8"}, {"MR", "9"}, {"MH", "11"}, {"MRS", "12"}, {"HRS", "13"}, {"IN", "4"},
    {"IP", "B"}, {"OU", "1"}, {"ST", "2"}};

class Window : public testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(test::NoWindowLeftOpen()); }

    QLabel* Label(int id) { return Control<QLabel>(window, id); }
    QPushButton* Button(int id) { return Control<QPushButton>(window, id); }
    static ModalScript::Match IsAboutBox() { return [](QWidget* w) { return qobject_cast<AboutBox*>(w) != nullptr; }; }

    // The About box, then a new game with Pitch picked and its "PLAY BALL!" box.
    void StartNewGame()
    {
        ModalScript script;
        script.Then(QStringLiteral("the About box"), IsAboutBox(), [](QWidget* w) { Control<QPushButton>(*w, ids::Ok)->click(); })
            .Click(ids::PitchLevel)
            .Click(ids::Ok)
            .Press();
        ASSERT_TRUE(window.StartUp());
        ASSERT_TRUE(script.Finished()) << script.Report().toStdString();
        ASSERT_TRUE(script.Boxes().back().endsWith(QStringLiteral("\nPLAY BALL!")));
    }

    PlayVariables play;
    ClassicRandom random;
    SteppingClock clock{1234};
    MemoryStore store;
    GameWindow window{random, clock, store, play};
};

TEST_F(Window, IsAFixedMinimisableTopLevelWindowWithItsIconAndBlankLabels)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Pennantry version 1.0"));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window.windowType(), Qt::Window);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_FALSE(window.isVisible());
    for (const ScoreboardField& field : ScoreboardFields)
        EXPECT_EQ(Label(field.Label)->text(), QString()) << field.Name;
}

TEST_F(Window, TakesTheAccessKeysOfItsButtons)
{
    const std::pair<int, const char*> keys[] = {
        {ids::PitchButton, "Alt+P"}, {ids::SwingButton, "Alt+R"}, {ids::SaveExitButton, "Alt+E"}, {ids::AboutButton, "Alt+H"}};
    for (const auto& [id, key] : keys)
        EXPECT_EQ(Button(id)->shortcut(), QKeySequence(QString::fromLatin1(key))) << id;
    EXPECT_EQ(DisplayText(Button(ids::SaveExitButton)->text()), QStringLiteral("Save & Exit"));
}

TEST_F(Window, ShowsAChangedFieldOnlyAfterARefreshAndEachFieldInItsOwnLabel)
{
    Game& game = window.CurrentGame();
    int n = 0;
    for (const ScoreboardField& field : ScoreboardFields)
        game.Board.*field.Member = std::to_string(100 + n++);
    for (const ScoreboardField& field : ScoreboardFields)
        EXPECT_EQ(Label(field.Label)->text(), QString()) << field.Name;
    window.RefreshLabels(game.Board);
    n = 0;
    for (const ScoreboardField& field : ScoreboardFields)
        EXPECT_EQ(Label(field.Label)->text(), QString::number(100 + n++)) << field.Name;
}

TEST_F(Window, SwapsPicturesBallAndPlayButtonsAtOnce)
{
    const int pictures[] = {ids::FirstBasePicture, ids::SecondBasePicture, ids::ThirdBasePicture};
    for (int base = 1; base <= 3; ++base) {
        window.SetBasePicture(base, true);
        EXPECT_TRUE(SameImage(Label(pictures[base - 1]), BitmapOccupiedBase)) << base;
        window.SetBasePicture(base, false);
        EXPECT_TRUE(SameImage(Label(pictures[base - 1]), BitmapEmptyBase)) << base;
    }
    window.SetBasePicture(4, true);  // no such base: nothing changes
    EXPECT_TRUE(SameImage(Label(ids::BatterPicture), BitmapOccupiedBase));

    EXPECT_TRUE(Label(ids::BallPicture)->isHidden());
    window.ShowBall(true);
    EXPECT_FALSE(Label(ids::BallPicture)->isHidden());
    window.ShowBall(false);
    EXPECT_TRUE(Label(ids::BallPicture)->isHidden());

    window.EnablePlayButton(PlayButton::Swing, true);
    window.EnablePlayButton(PlayButton::Pitch, false);
    EXPECT_TRUE(Button(ids::SwingButton)->isEnabled());
    EXPECT_FALSE(Button(ids::PitchButton)->isEnabled());
}

TEST_F(Window, MessageBoxesBearTheApplicationsNameUnlessGivenACaption)
{
    ModalScript script;
    script.Press().Press();
    window.ShowMessage("UMPIRE: Ball!", "");
    window.ShowMessage("text", "Caption");
    EXPECT_TRUE(script.Finished()) << script.Report().toStdString();
    EXPECT_EQ(script.Boxes(), QStringList({QCoreApplication::applicationName() + QStringLiteral("|UMPIRE: Ball!"),
                                           QStringLiteral("Caption|text")}));
}

TEST_F(Window, PlayAgainMustBeAnsweredYesOrNo)
{
    ModalScript script;
    script.Then(QStringLiteral("the question"), [](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; },
                [](QWidget* w) {
                    QTest::keyClick(w, Qt::Key_Escape);
                    w->close();
                    EXPECT_TRUE(w->isVisible());
                    EXPECT_EQ(w->windowTitle(), QCoreApplication::applicationName());
                })
        .Press(QMessageBox::No)
        .Press(QMessageBox::Yes);
    EXPECT_EQ(window.AskYesNo("Play Again?"), Answer::No);
    EXPECT_EQ(window.AskYesNo("Play Again?"), Answer::Yes);
    EXPECT_TRUE(script.Finished()) << script.Report().toStdString();
}

TEST_F(Window, AStoreThatCannotOpenShowsTheMessageAndNoWindowAtAll)
{
    store.opens = false;
    ModalScript script;
    script.PressOkOn(QString::fromLatin1(StoreFailureText), QCoreApplication::applicationName());
    EXPECT_FALSE(window.StartUp());
    EXPECT_TRUE(script.Finished()) << script.Report().toStdString();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Window, StartsASavedGameAfterTheAboutBoxBeforeTheWindowShows)
{
    for (const auto& [name, text] : SavedGame)
        store.values[name] = text;
    ModalScript script;
    script.Then(QStringLiteral("the About box first"), IsAboutBox(), [&](QWidget* w) {
        EXPECT_FALSE(window.isVisible());
        // Nothing is loaded before OK.
        EXPECT_EQ(Label(1004)->text(), QString());
        Control<QPushButton>(*w, ids::Ok)->click();
    });
    ASSERT_TRUE(window.StartUp());
    EXPECT_TRUE(script.Finished()) << script.Report().toStdString();
    for (const ScoreboardField& field : ScoreboardFields)
        EXPECT_EQ(Label(field.Label)->text().toStdString(), SavedGame.at(field.SavedName)) << field.Name;
    EXPECT_TRUE(SameImage(Label(ids::FirstBasePicture), BitmapOccupiedBase));
    EXPECT_TRUE(SameImage(Label(ids::SecondBasePicture), BitmapEmptyBase));
    EXPECT_TRUE(SameImage(Label(ids::ThirdBasePicture), BitmapOccupiedBase));
    EXPECT_TRUE(Button(ids::SwingButton)->isEnabled());
    EXPECT_FALSE(Button(ids::PitchButton)->isEnabled());
    EXPECT_FALSE(window.isVisible());

    // The focus starts on the first control of the tab order that can take it.
    FocusFirstControl(window);
    EXPECT_EQ(window.focusWidget(), Button(ids::SwingButton));
}

TEST_F(Window, StartsANewGameWithTheSkillChoiceWhenNothingIsSaved)
{
    StartNewGame();
    EXPECT_EQ(Label(1008)->text(), QStringLiteral("2"));  // HumanPitchLevel
    EXPECT_EQ(Label(1018)->text(), QStringLiteral("1"));
    EXPECT_EQ(Label(1019)->text(), QStringLiteral("T"));
    EXPECT_TRUE(Button(ids::PitchButton)->isEnabled());
    EXPECT_FALSE(Button(ids::SwingButton)->isEnabled());
    EXPECT_FALSE(window.isVisible());
    FocusFirstControl(window);
    EXPECT_EQ(window.focusWidget(), Button(ids::PitchButton));
}

struct Closing {
    const char* Name;
    std::function<void(GameWindow&)> Act;
    bool Saves;
};

void PrintTo(const Closing& c, std::ostream* os) { *os << c.Name; }

class ClosingWays : public Window, public testing::WithParamInterface<Closing> {};

TEST_P(ClosingWays, CloseTheWindowSavingOnlyWhereThePlayerAsked)
{
    StartNewGame();
    store.values.clear();
    window.show();
    GetParam().Act(window);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(store.values.size(), GetParam().Saves ? 18u : 0u);
    if (GetParam().Saves) {
        EXPECT_EQ(store.values.at("HP"), "2");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingWays,
    testing::Values(Closing{"SaveAndExitSaves", [](GameWindow& w) { Control<QPushButton>(w, ids::SaveExitButton)->click(); }, true},
                    Closing{"CloseBoxSaves", [](GameWindow& w) { w.close(); }, true},
                    Closing{"EscapeDoesNotSave", [](GameWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); }, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Window, HelpAboutOpensTheAboutBoxAndChangesNothing)
{
    StartNewGame();
    window.show();
    const Scoreboard before = window.CurrentGame().Board;
    ModalScript script;
    script.Then(QStringLiteral("the About box"), IsAboutBox(), [](QWidget* w) { Control<QPushButton>(*w, ids::Ok)->click(); });
    Button(ids::AboutButton)->click();
    EXPECT_TRUE(script.Finished()) << script.Report().toStdString();
    EXPECT_EQ(window.CurrentGame().Board, before);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(Button(ids::PitchButton)->isEnabled());
    window.hide();
}

}  // namespace
}  // namespace pennantry
