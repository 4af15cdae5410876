// The battle for one base: blows, hit points and the flags each ending leaves.
#include "BattleRules.h"

#include "Text.h"

namespace pennantry {

BattleRules::BattleRules(PlayVariables& play, Random& random, Clock& clock)
    : play_(play), random_(random), clock_(clock)
{
}

void BattleRules::OnInitDialog(BattleView& view)
{
    MonsterHp = "50";
    HumanHp = "50";
    random_.Seed(static_cast<std::uint32_t>(clock_.Now()));
    // Only a human runner on an extra-base attempt has a base to go back to.
    returnEnabled_ = play_.BasesAdvanced > 1 && play_.HumansBat();
    view.EnableReturnToBase(returnEnabled_);
    Refresh(view);
}

void BattleRules::OnAttack(BattleView& view)
{
    if (ended_)
        return;
    // All three numbers are drawn on every blow, whether or not the last is needed.
    const int coin = Draw(random_, 2);
    const int damage = Draw(random_, 10);
    const int turnBack = Draw(random_, 20);
    const bool humanRunner = play_.HumansBat();

    // A monster runner may turn back on an extra-base attempt, never on his way to first base.
    if (!humanRunner && turnBack == 0 && play_.BasesAdvanced > 1) {
        play_.AdvanceStopped = 1;
        play_.RunnerOut = 0;
        play_.HumansWonBattle = 1;
        OnOK();
        return;
    }

    // A coin of 0 hits the monster, 1 the human; only the side hit can fall.
    const bool monsterHit = coin == 0;
    if (Hurt(monsterHit ? MonsterHp : HumanHp, monsterHit ? "monster" : "human", damage)) {
        const std::string runner = humanRunner ? "human" : "monster";
        // The runner takes the base when the other side falls, and is out when his own does.
        if (monsterHit == humanRunner) {
            view.ShowMessage("ANNOUNCER: The " + runner + " wins the base!");
            play_.RunnerOut = 0;
        } else {
            view.ShowMessage("ANNOUNCER: The " + runner + " is O-U-T!");
            play_.RunnerOut = 1;
            play_.AdvanceStopped = 1;
        }
        play_.HumansWonBattle = monsterHit ? 1 : 0;
        OnOK();
        return;
    }
    Refresh(view);
}

void BattleRules::OnSurrenderBase(BattleView& view)
{
    if (ended_)
        return;
    GiveUp(view);
    OnOK();
}

void BattleRules::OnClose(BattleView& view)
{
    if (ended_)
        return;
    GiveUp(view);
    ended_ = true;
}

void BattleRules::OnReturnToBase(BattleView&)
{
    if (ended_ || !returnEnabled_)
        return;
    play_.AdvanceStopped = 1;
    play_.HumansWonBattle = 0;
    play_.RunnerOut = 0;
    OnOK();
}

bool BattleRules::Hurt(std::string& hp, const char* side, int damage)
{
    BattleMessage = std::string("ANNOUNCER: The ") + side + " lost " + std::to_string(damage) + " health points!";
    const std::int64_t left = std::int64_t{ReadNumber(hp)} - damage;
    hp = WriteNumber(left);
    return left <= 0;
}

// The same words whoever runs: against a monster runner, giving up hands him the base. Intended.
void BattleRules::GiveUp(BattleView& view)
{
    view.ShowMessage("ANNOUNCER: The player surrenders the base to the monster!");
    play_.HumansWonBattle = 0;
    if (!play_.HumansBat()) {
        play_.RunnerOut = 0;
    } else {
        play_.RunnerOut = 1;
        play_.AdvanceStopped = 1;
    }
}

void BattleRules::Refresh(BattleView& view)
{
    shown_ = {MonsterHp, HumanHp, BattleMessage};
    view.RefreshBattle(shown_);
}

// Ending reads the labels back into the texts, so a deciding blow is never shown, not even in
// what the texts hold afterwards.
void BattleRules::OnOK()
{
    MonsterHp = shown_.MonsterHp;
    HumanHp = shown_.HumanHp;
    BattleMessage = shown_.BattleMessage;
    ended_ = true;
}

}  // namespace pennantry
