// The battle for one base: blows, hit points and the flags each ending leaves.
#include "BattleRules.h"

#include <array>

#include "Text.h"

namespace pennantry {
namespace {

// The twenty announcements a blow can make, by the side hit (0 the human, 1 the monster) and
// the damage; built once, so that a blow copies its text instead of composing it.
const std::array<std::array<std::string, 10>, 2> BlowMessages = [] {
    std::array<std::array<std::string, 10>, 2> texts;
    for (int side = 0; side < 2; ++side)
        for (int damage = 0; damage < 10; ++damage)
            texts[side][damage] = std::string("ANNOUNCER: The ") + (side ? "monster" : "human") + " lost " +
                                  std::to_string(damage) + " health points!";
    return texts;
}();
// Where a blow's announcement holds its damage digit, counted from the end.
constexpr std::size_t DamageDigitFromEnd = sizeof(" health points!");

// The endings' announcements, by the runner (0 the monster, 1 the human).
const std::array<std::string, 2> WinsTheBase{"ANNOUNCER: The monster wins the base!", "ANNOUNCER: The human wins the base!"};
const std::array<std::string, 2> IsOut{"ANNOUNCER: The monster is O-U-T!", "ANNOUNCER: The human is O-U-T!"};
const std::string Surrenders = "ANNOUNCER: The player surrenders the base to the monster!";

// Hit points are one or two digits on every blow but a deciding one; those are read and
// written in place, with the general rules for anything else.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
std::int64_t ReadHitPoints(const std::string& hp)
{
    if (hp.size() == 2 && IsDigit(hp[0]) && IsDigit(hp[1]))
        return (hp[0] - '0') * 10 + (hp[1] - '0');
    if (hp.size() == 1 && IsDigit(hp[0]))
        return hp[0] - '0';
    return ReadNumber(hp);
}
void WriteHitPoints(std::string& hp, std::int64_t value)
{
    if (value < 0 || value > 99) {
        hp = WriteNumber(value);
        return;
    }
    const auto digits = static_cast<unsigned>(value);
    const std::size_t length = digits < 10 ? 1 : 2;
    if (hp.size() != length)
        hp.resize(length);
    hp[length - 1] = static_cast<char>('0' + digits % 10);
    if (length == 2)
        hp[0] = static_cast<char>('0' + digits / 10);
}

}  // namespace

BattleRules::BattleRules(PlayVariables& play, Random& random, Clock& clock)
    : play_(play), random_(random), clock_(clock)
{
}

void BattleRules::OnInitDialog(BattleView& view)
{
    texts_.MonsterHp = "50";
    texts_.HumanHp = "50";
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
    if (Hurt(monsterHit, damage)) {
        // The runner takes the base when the other side falls, and is out when his own does.
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

bool BattleRules::Hurt(bool monsterHit, int damage)
{
    std::string& hp = monsterHit ? texts_.MonsterHp : texts_.HumanHp;
    const std::int64_t left = ReadHitPoints(hp) - damage;
    // The deciding blow ends the battle unshown; its texts would be read back from the labels.
    if (left <= 0)
        return true;
    // The two sides' announcements differ in length, so one of the same length as the last is
    // about the same side and differs from it in the damage digit alone.
    std::string& message = texts_.BattleMessage;
    const std::string& text = BlowMessages[monsterHit][static_cast<std::size_t>(damage)];
    if (message.size() == text.size())
        message[message.size() - DamageDigitFromEnd] = static_cast<char>('0' + damage);
    else
        message = text;
    WriteHitPoints(hp, left);
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

void BattleRules::Refresh(BattleView& view) { view.RefreshBattle(texts_); }

// Ending reads the labels back into the texts; they already hold what the labels show.
void BattleRules::OnOK() { ended_ = true; }

}  // namespace pennantry
