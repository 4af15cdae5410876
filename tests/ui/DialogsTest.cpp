// The About box, the Skill Upgrade dialog and the battle dialog, driven as a player drives them.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "AboutBox.h"
#include "BattleDialog.h"
#include "DialogTemplates.h"
#include "ModalScript.h"
#include "SkillUpgradeDialog.h"
#include "TemplateBuilder.h"

namespace pennantry {
namespace {

using test::Box;
using test::ModalScript;
using Strings = std::vector<std::string>;
using Dialogs = testing::Test;

void Click(QWidget& dialog, int id) { Control<QAbstractButton>(dialog, id)->click(); }

// A battle in which every blow hits the one side for nine points, and a monster never turns back.
struct Battle final : Random {
    Battle(char side, int bases, int hit) : play{side, bases}, hit(hit) {}
    void Seed(std::uint32_t) override {}
    int Rand() override { return draws++ % 3 == 0 ? hit : 9; }
    std::array<int, 3> RandThree() override { return {Rand(), Rand(), Rand()}; }
    PlayVariables play;
    int hit;
    int draws = 0;
    SteppingClock clock{1000};
    BattleRules rules{play, *this, clock};
    BattleDialog dialog{rules, nullptr};
};

TEST_F(Dialogs, SkillDialogTakesOkOnlyAfterAPickAndLeavesTheLastPickInSkillChoiceHoweverItCloses)
{
    const struct { int Before; ModalScript::Act Player; int After; } cases[] = {
        {SkillPitch, [](QWidget* w) { Click(*w, ids::HitLevel); QTest::keyClick(w, Qt::Key_Escape); }, SkillHit},
        // There is no close box, but a window manager may draw one: it cancels.
        {SkillHit, [](QWidget* w) { Click(*w, ids::RunLevel); w->close(); }, SkillRun},
        // An arrow from the first skill, none picked yet, picks the next.
        {SkillPitch, [](QWidget* w) { QTest::keyClick(w->focusWidget(), Qt::Key_Down); QTest::keyClick(w, Qt::Key_Return); }, SkillHit},
        {SkillHit, [](QWidget* w) {
             QTest::keyClick(w, Qt::Key_Return);  // OK is still disabled
             EXPECT_TRUE(w->isVisible());
             // A click on the far end of the wrapped text picks the skill too.
             QWidget* catchLevel = Control(*w, ids::CatchLevel);
             QTest::mouseClick(catchLevel, Qt::LeftButton, {}, QPoint(catchLevel->width() - 3, catchLevel->height() - 3));
             QTest::keyClick(w, Qt::Key_Return);
         }, SkillCatch},
    };
    for (const auto& c : cases) {
        PlayVariables play{.SkillChoice = c.Before};
        SkillUpgradeRules rules(play);
        SkillUpgradeDialog dialog(rules, nullptr);
        ModalScript script;
        script.On(&dialog, c.Player);
        dialog.Run();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(play.SkillChoice, c.After) << "case " << &c - cases;
    }
}

// Hit is the side that takes every blow (0 the monster, 1 the human): five leave it 5 points, the
// sixth decides. A case without a way out attacks until then.
TEST_F(Dialogs, BattleOffersReturnToBaseOnlyToAHumanBeyondFirstShowsEveryBlowButTheLastAndEndsByEveryWayOut)
{
    const std::string surrender = "ANNOUNCER: The player surrenders the base to the monster!";
    const struct { char Side; int Bases, Hit; bool ReturnEnabled; std::function<void(BattleDialog&)> Leave; std::string Ending; } cases[] = {
        {'H', 1, 0, false, nullptr, "ANNOUNCER: The human wins the base!"},
        {'H', 1, 1, false, nullptr, "ANNOUNCER: The human is O-U-T!"},
        {'H', 1, 0, false, [](BattleDialog& d) { QTest::keyClick(d.focusWidget(), Qt::Key_S); }, surrender},
        // The close box and Escape do nothing: only the buttons decide.
        {'H', 2, 0, true, [](BattleDialog& d) {
             d.close();
             QTest::keyClick(&d, Qt::Key_Escape);
             EXPECT_TRUE(d.isVisible());
             Click(d, ids::SurrenderBase);
         }, surrender},
        {'h', 4, 0, true, [](BattleDialog& d) { Click(d, ids::ReturnToBase); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("case " + std::to_string(&c - cases));
        Battle battle(c.Side, c.Bases, c.Hit);
        BattleDialog& dialog = battle.dialog;
        QLabel* hit = Control<QLabel>(dialog, c.Hit == 0 ? ids::MonsterHp : ids::HumanHp);
        QLabel* spared = Control<QLabel>(dialog, c.Hit == 0 ? ids::HumanHp : ids::MonsterHp);
        ModalScript script;
        for (int blow = 0; blow < (c.Leave ? 1 : 6); ++blow)
            script.On(&dialog, [&, blow](QWidget*) {
                EXPECT_EQ(Control(dialog, ids::ReturnToBase)->isEnabled(), c.ReturnEnabled);
                EXPECT_EQ(dialog.focusWidget(), Control(dialog, ids::Attack));
                EXPECT_EQ(hit->text(), QString::number(50 - 9 * blow));
                if (c.Leave) {
                    c.Leave(dialog);
                } else if (blow % 2 == 1) {
                    // Enter attacks wherever the focus is, and the focus comes back to Attack.
                    Control(dialog, ids::SurrenderBase)->setFocus();
                    QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
                } else {
                    Click(dialog, ids::Attack);
                }
            });
        if (!c.Leave)
            script.Then(ModalScript::Is<QMessageBox>, [&](QWidget*) {
                EXPECT_EQ(hit->text() + QLatin1Char('/') + spared->text(), QStringLiteral("5/50"));
                EXPECT_EQ(Control<QLabel>(dialog, ids::BattleMessage)->text(),
                          QStringLiteral("ANNOUNCER: The %1 lost 9 health points!").arg(c.Hit == 0 ? "monster" : "human"));
            });
        if (!c.Ending.empty())
            script.Press();
        dialog.Run();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(script.Boxes(), Strings(c.Ending.empty() ? 0 : 1, Box(c.Ending)));
    }
}

}  // namespace
}  // namespace pennantry
