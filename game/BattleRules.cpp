// The battle for one base: blows, hit points and the flags each ending leaves.
#include "BattleRules.h"

#include <array>

namespace pennantry {
namespace {

// The twenty announcements a blow can make, by the side hit (0 the human, 1 the monster) and
// the damage; built once, so that a blow points at its text instead of composing it.
const std::array<std::array<std::string, 10>, 2> BlowMessages = [] {
    std::array<std::array<std::string, 10>, 2> texts;
    for (int side = 0; side < 2; ++side)
        for (int damage = 0; damage < 10; ++damage)
            texts[side][damage] = std::string("ANNOUNCER: The ") + (side ? "monster" : "human") + " lost " +
                                  std::to_string(damage) + " health points!";
    return texts;
}();

// The endings' announcements, by the runner (0 the monster, 1 the human).
const std::array<std::string, 2> WinsTheBase{"ANNOUNCER: The monster wins the base!", "ANNOUNCER: The human wins the base!"};
const std::array<std::string, 2> IsOut{"ANNOUNCER: The monster is O-U-T!", "ANNOUNCER: The human is O-U-T!"};
const std::string Surrenders = "ANNOUNCER: The player surrenders the base to the monster!";

}  // namespace

BattleRules::BattleRules(PlayVariables& play, Random& random, Clock& clock)
    : play_(play), random_(random), clock_(clock)
{
}

bool BattleRules::IsLive(Command command) const
{
    if (ended_)
        return false;
    return command == Command::Attack || command == Command::SurrenderBase
           || (command == Command::ReturnToBase && returnEnabled_);
}

std::optional<Command> BattleRules::EnterCommand() const
{
    return ended_ ? std::nullopt : std::optional(Command::Attack);
}

bool BattleRules::Perform(Command command, BattleView& view)
{
    if (!IsLive(command))
        return false;
    if (command == Command::Attack)
        OnAttack(view);
    else if (command == Command::SurrenderBase)
        OnSurrenderBase(view);
    else
        OnReturnToBase(view);
    return true;
}

void BattleRules::OnInitDialog(BattleView& view)
{
    labels_.MonsterHp = 50;
    labels_.HumanHp = 50;
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
    const auto [first, second, third] = random_.RandThree();
    const int coin = TakeModulo(first, 2);
    const int damage = TakeModulo(second, 10);
    const int turnBack = TakeModulo(third, 20);

    // A monster runner may turn back on an extra-base attempt, never on his way to first base.
    if (turnBack == 0 && !play_.HumansBat() && play_.BasesAdvanced > 1) {
        play_.AdvanceStopped = 1;
        play_.RunnerOut = 0;
        play_.HumansWonBattle = 1;
        OnOK();
        return;
    }

    // A coin of 0 hits the monster, 1 the human; only the side hit can fall.
    const bool monsterHit = coin == 0;
    if (Hurt(monsterHit, damage)) {
        // The runner takes the base when the other side falls, and is out when his own does.
        const bool humanRunner = play_.HumansBat();
        if (monsterHit == humanRunner) {
            view.ShowMessage(WinsTheBase[humanRunner]);
            play_.RunnerOut = 0;
        } else {
            view.ShowMessage(IsOut[humanRunner]);
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

void BattleRules::OnReturnToBase(BattleView&)
{
    if (ended_ || !returnEnabled_)
        return;
    play_.AdvanceStopped = 1;
    play_.HumansWonBattle = 0;
    play_.RunnerOut = 0;
    OnOK();
}

bool BattleRules::Hurt(bool monsterHit, int damage)
{
    // Chosen by index rather than by a branch: the side hit is a coin toss no branch can foresee.
    constexpr std::array<int BattleLabels::*, 2> HitPoints{&BattleLabels::HumanHp, &BattleLabels::MonsterHp};
    int& hp = labels_.*HitPoints[monsterHit];
    // The deciding blow ends the battle unshown; its labels would be read back as they were.
    if (hp - damage <= 0)
        return true;
    hp -= damage;
    labels_.BattleMessage = BlowMessages[monsterHit][static_cast<std::size_t>(damage)];
    return false;
}

// The same words whoever runs: against a monster runner, giving up hands him the base. Intended.
void BattleRules::GiveUp(BattleView& view)
{
    view.ShowMessage(Surrenders);
    play_.HumansWonBattle = 0;
    if (!play_.HumansBat()) {
        play_.RunnerOut = 0;
    } else {
        play_.RunnerOut = 1;
        play_.AdvanceStopped = 1;
    }
}

void BattleRules::Refresh(BattleView& view) { view.RefreshBattle(labels_); }

// Ending reads the labels back; the rules already hold what they show.
void BattleRules::OnOK() { ended_ = true; }

}  // namespace pennantry
