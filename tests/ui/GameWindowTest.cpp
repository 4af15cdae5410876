// The main window: its window operations and its start-up order, held Enter through a game over.
// Its new game, Help/About and the ways it closes are the conformance session's.
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "AboutBox.h"
#include "BattleDialog.h"
#include "DialogTemplates.h"
#include "GameWindow.h"
#include "HowToPlay.h"
#include "ModalScript.h"
#include "SkillUpgradeDialog.h"
#include "TemplateBuilder.h"

namespace pennantry {
namespace {

using test::ModalScript;


class Window : public testing::Test {
protected:
    QLabel* Label(int id) { return Control<QLabel>(window, id); }
    QLabel* Shown(std::string Scoreboard::*field) { return Label(LabelOf(FieldOf(field).Name).Label); }
    QPushButton* Button(int id) { return Control<QPushButton>(window, id); }
    bool Enabled(int id) { return Control(window, id)->isEnabled(); }
    // Two null pixmaps compare equal, so a missing bitmap must not pass for the right one.
    bool Shows(int id, int bitmap)
    {
        return !Label(id)->pixmap().isNull() && Label(id)->pixmap().toImage() == Bitmap(bitmap, window.devicePixelRatioF()).toImage();
    }

    PlayVariables play;
    ClassicRandom random;
    SteppingClock clock{1234};
    MemoryStore store;
    GameWindow window{random, clock, store, play};
};

// Enter is held from the About box on; the checks in between see the saved game as loaded.
TEST_F(Window, LoadsTheSavedGameAfterTheAboutBoxThenHoldingEnterPlaysThroughGameOverAndANewGameWithoutQuittingOrAFalseDefault)
{
    // The bottom of the ninth, two out, runners on first and third and the Monsters a run ahead.
    store.values = {{"B1", "1"}, {"B2", "0"}, {"B3", "1"}, {"BA", "2"}, {"HC", "3"}, {"HP", "4"},  {"HR", "5"},
                    {"HH", "6"}, {"MC", "7"}, {"MP", "8"}, {"MR", "10"}, {"MH", "11"}, {"MRS", "13"}, {"HRS", "12"},
                    {"IN", "9"}, {"IP", "B"}, {"OU", "2"}, {"ST", "1"}};
    const auto saved = store.values;
    int presses = 0, battles = 0;
    bool aboutFirst = false, answerRequired = false, playAgain = false, over = false;
    std::vector<QString> misplaced, falseDefaults;
    std::function<void()> press = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (over || modal == nullptr)
            return;
        QTimer::singleShot(0, &window, press);  // the key is held
        if (qobject_cast<AboutBox*>(modal) && presses == 0) {
            const QLabel* humans = Shown(&Scoreboard::HumansScore);
            aboutFirst = !window.isVisible() && (humans == nullptr || humans->text().isEmpty());
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (box->text() == QStringLiteral("Play Again?") && !playAgain) {
                // Neither Escape nor the close box may end a game by a slip.
                QTest::keyClick(box, Qt::Key_Escape);
                box->close();
                answerRequired = box->isVisible();
            }
            playAgain |= box->text() == QStringLiteral("Play Again?");
            for (QWidget* owner : QApplication::topLevelWidgets())
                if (owner == &window || qobject_cast<BattleDialog*>(owner))
                    for (QPushButton* button : owner->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
                        if (button->isDefault())
                            falseDefaults.push_back(button->text());
        }
        if (modal == &window) {
            const QString inning = Shown(&Scoreboard::Inning)->text() + Shown(&Scoreboard::InningHalf)->text();
            QWidget* play = Enabled(ids::PitchButton) ? Button(ids::PitchButton) : Button(ids::SwingButton);
            // The focus is drawn, not only placed (styles draw it once the keyboard has moved it).
            if (window.focusWidget() != play || !window.testAttribute(Qt::WA_KeyboardFocusChange))
                misplaced.push_back(inning);
            over = (playAgain && inning == QStringLiteral("2T")) || ++presses > 3000;
            if (over) {
                QTest::keyClick(&window, Qt::Key_Escape);
                return;
            }
        }
        battles += qobject_cast<BattleDialog*>(modal) != nullptr;
        if (qobject_cast<SkillUpgradeDialog*>(modal))
            QTest::keyClick(modal->focusWidget(), Qt::Key_Space);  // Enter alone picks no skill
        QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Return);
    };
    QTimer::singleShot(0, &window, press);
    ASSERT_TRUE(window.StartUp());
    for (const ScoreboardField& field : ScoreboardFields)
        EXPECT_EQ(Label(LabelOf(field.Name).Label)->text().toStdString(), saved.at(field.SavedName)) << field.Name;
    EXPECT_TRUE(Shows(ids::FirstBasePicture, BitmapOccupiedBase) && Shows(ids::SecondBasePicture, BitmapEmptyBase)
                && Shows(ids::ThirdBasePicture, BitmapOccupiedBase));
    EXPECT_TRUE(Enabled(ids::SwingButton) && !Enabled(ids::PitchButton) && !window.isVisible());
    window.ShowBall(true);
    EXPECT_FALSE(Label(ids::BallPicture)->isHidden());

    // What a screen reader says: the scoreboard with its captions, the pictures by what they show.
    const std::pair<QWidget*, const char*> names[] = {
        {Shown(&Scoreboard::HumansScore), "Humans: 12"}, {Shown(&Scoreboard::HumanRunLevel), "Human Stats: Run Level: 5"},
        {Label(ids::FirstBasePicture), "first base: runner"}, {Label(ids::SecondBasePicture), "second base: empty"},
        {Label(ids::BatterPicture), "home plate: batter"}, {Label(ids::BallPicture), "ball"},
        {ControlsInOrder(window)[32], "field"}, {Button(ids::SaveExitButton), "Save & Exit"},
    };
    for (const auto& [widget, name] : names)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), QString::fromUtf8(name));

    window.Run();
    EXPECT_TRUE(aboutFirst) << "the About box came after the window or its scoreboard";
    EXPECT_TRUE(playAgain) << "no \"Play Again?\" in " << presses << " presses";
    EXPECT_TRUE(answerRequired) << "Escape or the close box answered \"Play Again?\"";
    EXPECT_GT(battles, 0) << "no battle was fought";
    EXPECT_TRUE(over) << "no new game's top of the 2nd";
    EXPECT_LE(presses, 3000) << "Enter never reached a new game's top of the 2nd";
    EXPECT_EQ(misplaced, std::vector<QString>());
    EXPECT_EQ(falseDefaults, std::vector<QString>());
    EXPECT_TRUE(store.values.empty());  // erased at the game's end, never saved since
}

TEST_F(Window, F1ShowsTheRulesInABoxOfTheirOwn)
{
    ModalScript script;
    script.Press();
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(script.Boxes(), std::vector{test::Box(HowToPlay(), HowToPlayCaption)});
}

}  // namespace
}  // namespace pennantry
