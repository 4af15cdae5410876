// The About box, the Skill Upgrade dialog and the battle dialog, driven as a player drives them.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "AboutBox.h"
#include "BattleDialog.h"
#include "DialogTemplates.h"
#include "ModalScript.h"
#include "SkillUpgradeDialog.h"
#include "TemplateBuilder.h"

namespace pennantry {
namespace {

using test::ModalScript;
using test::ScriptedRandom;

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

class Dialogs : public testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(test::NoWindowLeftOpen()); }
};

TEST_F(Dialogs, AboutBoxIconShowsTheSameBoxAtEveryClickAndOkCloses)
{
    AboutBox box(nullptr);
    ModalScript script;
    for (int click = 0; click < 3; ++click) {
        script.Then(QStringLiteral("the About box"), [&](QWidget* w) { return w == &box; },
                    [](QWidget* w) { QTest::mouseClick(Control(*w, ids::AboutIcon), Qt::LeftButton); });
        script.PressOkOn(Q(AboutIconText), Q(AboutIconCaption));
    }
    script.Click(ids::Ok);
    box.exec();
    EXPECT_TRUE(script.Finished()) << script.Report().toStdString();
    EXPECT_EQ(script.Boxes().size(), 3);
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::Tool));
}

TEST_F(Dialogs, SkillDialogOpensWithNothingPickedAndKeepsOkShutUntilAPick)
{
    PlayVariables play;
    SkillUpgradeRules rules(play);
    SkillUpgradeDialog dialog(rules, nullptr);
    ModalScript script;
    script.Then(QStringLiteral("the fresh skill dialog"), [&](QWidget* w) { return w == &dialog; },
                [&](QWidget*) {
                    for (const int id : {ids::RunLevel, ids::HitLevel, ids::PitchLevel, ids::CatchLevel})
                        EXPECT_FALSE(Control<QRadioButton>(dialog, id)->isChecked()) << id;
                    EXPECT_FALSE(Control(dialog, ids::Ok)->isEnabled());
                    // Enter presses the default button only when it is enabled.
                    QTest::keyClick(&dialog, Qt::Key_Return);
                    EXPECT_TRUE(dialog.isVisible());
                    // A click on the far end of the wrapped text selects the skill.
                    QWidget* catchLevel = Control(dialog, ids::CatchLevel);
                    QTest::mouseClick(catchLevel, Qt::LeftButton, {}, QPoint(catchLevel->width() - 3, catchLevel->height() - 3));
                    EXPECT_TRUE(Control(dialog, ids::Ok)->isEnabled());
                    QTest::keyClick(&dialog, Qt::Key_Return);
                });
    dialog.Run();
    EXPECT_TRUE(script.Finished()) << script.Report().toStdString();
    EXPECT_EQ(play.SkillChoice, SkillCatch);
}

struct SkillCase {
    const char* Name;
    int Before;
    std::vector<int> Clicks;  // then OK, or Escape when Cancel
    bool Cancel;
    int After;
};

void PrintTo(const SkillCase& c, std::ostream* os) { *os << c.Name; }

class SkillChoices : public testing::TestWithParam<SkillCase> {
protected:
    void TearDown() override { EXPECT_TRUE(test::NoWindowLeftOpen()); }
};

TEST_P(SkillChoices, LeaveTheLastPickInSkillChoice)
{
    const SkillCase& c = GetParam();
    PlayVariables play;
    play.SkillChoice = c.Before;
    SkillUpgradeRules rules(play);
    SkillUpgradeDialog dialog(rules, nullptr);
    ModalScript script;
    for (const int id : c.Clicks)
        script.Click(id);
    if (c.Cancel)
        script.Escape();
    else
        script.Click(ids::Ok);
    dialog.Run();
    EXPECT_TRUE(script.Finished()) << script.Report().toStdString();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(play.SkillChoice, c.After);
}

INSTANTIATE_TEST_SUITE_P(
    Picks, SkillChoices,
    testing::Values(SkillCase{"HitThenCatchThenOk", 0, {ids::HitLevel, ids::CatchLevel}, false, SkillCatch},
                    SkillCase{"RunThenOk", 2, {ids::RunLevel}, false, SkillRun},
                    SkillCase{"CancelWithNoPickKeepsTheEarlierChoice", SkillPitch, {}, true, SkillPitch},
                    SkillCase{"CancelAfterAPickKeepsThatPick", SkillRun, {ids::HitLevel}, true, SkillHit}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Dialogs, SkillDialogHasNoCloseBoxAndAWindowManagersCloseCancels)
{
    PlayVariables play;
    play.SkillChoice = SkillHit;
    SkillUpgradeRules rules(play);
    SkillUpgradeDialog dialog(rules, nullptr);
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    ModalScript script;
    script.Then(QStringLiteral("the skill dialog"), [&](QWidget* w) { return w == &dialog; }, [](QWidget* w) { w->close(); });
    dialog.Run();
    EXPECT_TRUE(script.Finished()) << script.Report().toStdString();
    EXPECT_TRUE(rules.Ended());
    EXPECT_EQ(play.SkillChoice, SkillHit);
}

class Battle : public testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(test::NoWindowLeftOpen()); }
    QString LabelText(BattleDialog& dialog, int id) { return Control<QLabel>(dialog, id)->text(); }

    PlayVariables play;
    ScriptedRandom random;
    SteppingClock clock{1000};
};

TEST_F(Battle, OffersReturnToBaseOnlyToAHumanRunnerBeyondFirst)
{
    const struct {
        char Side;
        int Bases;
        bool Enabled;
    } cases[] = {{'H', 1, false}, {'H', 2, true}, {'h', 4, true}, {'M', 2, false}, {'m', 1, false}};
    for (const auto& c : cases) {
        play.BattingSide = c.Side;
        play.BasesAdvanced = c.Bases;
        BattleRules rules(play, random, clock);
        BattleDialog dialog(rules, nullptr);
        ModalScript script;
        script.Then(QStringLiteral("the battle"), [&](QWidget* w) { return w == &dialog; },
                    [&](QWidget*) {
                        EXPECT_EQ(Control(dialog, ids::ReturnToBase)->isEnabled(), c.Enabled) << c.Side << c.Bases;
                        EXPECT_TRUE(Control(dialog, ids::SurrenderBase)->isEnabled());
                        EXPECT_EQ(dialog.focusWidget(), Control(dialog, ids::Attack));
                        EXPECT_EQ(LabelText(dialog, ids::MonsterHp), QStringLiteral("50"));
                        EXPECT_EQ(LabelText(dialog, ids::HumanHp), QStringLiteral("50"));
                        EXPECT_EQ(LabelText(dialog, ids::BattleMessage), QString());
                    });
        script.Click(ids::SurrenderBase).Press();
        dialog.Run();
        EXPECT_TRUE(script.Finished()) << script.Report().toStdString();
    }
}

struct Ending {
    const char* Name;
    char Side;
    int Bases;
    int Coin;  // which side every blow hits: 0 the monster, 1 the human
    const char* Box;
    int AdvanceStopped, RunnerOut, HumansWonBattle;
};

void PrintTo(const Ending& e, std::ostream* os) { *os << e.Name; }

class BattleEndings : public Battle, public testing::WithParamInterface<Ending> {};

TEST_P(BattleEndings, ShowTheBlowsButNeverTheDecidingOneAndLeaveTheFlags)
{
    const Ending& e = GetParam();
    play.BattingSide = e.Side;
    play.BasesAdvanced = e.Bases;
    play.HumansWonBattle = 7;  // every ending must write it
    // Nine points a blow: five blows leave 5, the sixth decides. The turn-back draw is never 0.
    for (int blow = 0; blow < 6; ++blow)
        random.Add({e.Coin, 9, 3});
    BattleRules rules(play, random, clock);
    BattleDialog dialog(rules, nullptr);
    const int hitId = e.Coin == 0 ? ids::MonsterHp : ids::HumanHp;
    const int spareId = e.Coin == 0 ? ids::HumanHp : ids::MonsterHp;
    const QString blowText = e.Coin == 0 ? QStringLiteral("ANNOUNCER: The monster lost 9 health points!")
                                         : QStringLiteral("ANNOUNCER: The human lost 9 health points!");
    ModalScript script;
    for (int blow = 1; blow <= 6; ++blow) {
        script.Then(QStringLiteral("blow %1").arg(blow), [&](QWidget* w) { return w == &dialog; },
                    [&, blow](QWidget*) {
                        if (blow > 1) {
                            EXPECT_EQ(LabelText(dialog, hitId), QString::number(50 - 9 * (blow - 1)));
                            EXPECT_EQ(LabelText(dialog, spareId), QStringLiteral("50"));
                            EXPECT_EQ(LabelText(dialog, ids::BattleMessage), blowText);
                        }
                        Control<QPushButton>(dialog, ids::Attack)->click();
                    });
    }
    script.Then(QStringLiteral("the result over the battle as it stood"),
                [&](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; },
                [&](QWidget* w) {
                    auto* box = static_cast<QMessageBox*>(w);
                    EXPECT_EQ(box->text(), QString::fromLatin1(e.Box));
                    EXPECT_EQ(box->windowTitle(), QCoreApplication::applicationName());
                    EXPECT_EQ(box->buttons().size(), 1);
                    EXPECT_EQ(LabelText(dialog, hitId), QStringLiteral("5"));
                    box->button(QMessageBox::Ok)->click();
                });
    dialog.Run();
    EXPECT_TRUE(script.Finished()) << script.Report().toStdString();
    EXPECT_TRUE(random.AllDrawn());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(play.AdvanceStopped, e.AdvanceStopped);
    EXPECT_EQ(play.RunnerOut, e.RunnerOut);
    EXPECT_EQ(play.HumansWonBattle, e.HumansWonBattle);
}

INSTANTIATE_TEST_SUITE_P(
    ByHitPoints, BattleEndings,
    testing::Values(Ending{"HumanRunnerBeatsTheMonster", 'H', 1, 0, "ANNOUNCER: The human wins the base!", 0, 0, 1},
                    Ending{"MonsterRunnerIsBeaten", 'M', 1, 0, "ANNOUNCER: The monster is O-U-T!", 1, 1, 1},
                    Ending{"MonsterRunnerBeatsTheHuman", 'M', 1, 1, "ANNOUNCER: The monster wins the base!", 0, 0, 0},
                    Ending{"HumanRunnerIsBeaten", 'H', 2, 1, "ANNOUNCER: The human is O-U-T!", 1, 1, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

struct GivingUp {
    const char* Name;
    char Side;
    int Bases;
    std::function<void(BattleDialog&)> Act;
    bool Box;
    int AdvanceStopped, RunnerOut, HumansWonBattle;
};

void PrintTo(const GivingUp& g, std::ostream* os) { *os << g.Name; }

class BattleGivingUp : public Battle, public testing::WithParamInterface<GivingUp> {};

TEST_P(BattleGivingUp, EndsTheBattleWithTheRightBoxAndFlags)
{
    const GivingUp& g = GetParam();
    play.BattingSide = g.Side;
    play.BasesAdvanced = g.Bases;
    play.HumansWonBattle = 7;
    random.Add({0, 4, 0});  // used only by the monster turning back
    BattleRules rules(play, random, clock);
    BattleDialog dialog(rules, nullptr);
    ModalScript script;
    script.Then(QStringLiteral("the battle"), [&](QWidget* w) { return w == &dialog; },
                [&](QWidget*) { g.Act(dialog); });
    if (g.Box)
        script.PressOkOn(QStringLiteral("ANNOUNCER: The player surrenders the base to the monster!"));
    dialog.Run();
    EXPECT_TRUE(script.Finished()) << script.Report().toStdString();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(play.AdvanceStopped, g.AdvanceStopped);
    EXPECT_EQ(play.RunnerOut, g.RunnerOut);
    EXPECT_EQ(play.HumansWonBattle, g.HumansWonBattle);
}

void Press(BattleDialog& dialog, int id) { Control<QPushButton>(dialog, id)->click(); }

INSTANTIATE_TEST_SUITE_P(
    Endings, BattleGivingUp,
    testing::Values(
        GivingUp{"HumanSurrenders", 'H', 1, [](BattleDialog& d) { Press(d, ids::SurrenderBase); }, true, 1, 1, 0},
        GivingUp{"SurrenderHandsTheMonsterTheBase", 'M', 1, [](BattleDialog& d) { Press(d, ids::SurrenderBase); }, true, 0, 0, 0},
        GivingUp{"CloseBoxSurrenders", 'H', 2, [](BattleDialog& d) { d.close(); }, true, 1, 1, 0},
        GivingUp{"EscapeSurrenders", 'M', 1, [](BattleDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, true, 0, 0, 0},
        GivingUp{"ReturnToBaseIsSafe", 'H', 3, [](BattleDialog& d) { Press(d, ids::ReturnToBase); }, false, 1, 0, 0},
        GivingUp{"MonsterTurnsBack", 'M', 2, [](BattleDialog& d) { Press(d, ids::Attack); }, false, 1, 0, 1}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace pennantry
