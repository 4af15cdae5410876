// The simulator's view: what each prompt is answered with, and the presses it took.
#include "SimView.h"

namespace pennantry::sim {
namespace {

// More blows than any battle needs: the generator's period ends every fight long before.
constexpr int BlowLimit = 100000;

std::uint64_t SplitMix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

SimView::SimView(const Policy& policy, const PlayVariables& play, std::uint64_t choiceSeed)
    : policy_(policy), play_(play), choiceState_(choiceSeed)
{
}

void SimView::EnablePlayButton(PlayButton button, bool enabled)
{
    (button == PlayButton::Pitch ? PitchEnabled : SwingEnabled) = enabled;
}

void SimView::SetBasePicture(int base, bool occupied)
{
    if (base >= 1 && base <= 3)
        BasePictures[static_cast<std::size_t>(base - 1)] = occupied;
}

void SimView::ShowMessage(const std::string& text, const std::string&)
{
    ++Record.Boxes;
    if (CountOuts && (Contains(text, "Yer Out!") || Contains(text, " caught the ball!")))
        ++OutsAnnounced;
}

void SimView::ShowMessage(const std::string& text)
{
    ++Record.Boxes;
    if (CountOuts && (Contains(text, " is O-U-T!") || (play_.HumansBat() && Contains(text, " surrenders the base"))))
        ++OutsAnnounced;
}

Answer SimView::AskYesNo(const std::string&)
{
    ++Record.OtherPresses;
    Over = true;
    return Answer::No;
}

Skill SimView::NextSkill()
{
    switch (policy_.Skill) {
    case SkillPolicy::Run: return SkillRun;
    case SkillPolicy::Hit: return SkillHit;
    case SkillPolicy::Pitch: return SkillPitch;
    case SkillPolicy::Catch: return SkillCatch;
    case SkillPolicy::Random: break;
    }
    // The player's own choices come from a generator of their own, so that they never move the
    // game's draws.
    return static_cast<Skill>(SplitMix(choiceState_) >> 62);
}

void SimView::RunSkillDialog(SkillUpgradeRules& rules)
{
    rules.Perform(static_cast<Command>(static_cast<int>(Command::RunLevel) + NextSkill()), *this);
    rules.Perform(Command::Ok, *this);
    Record.OtherPresses += 2;
}

void SimView::RunBattleDialog(BattleRules& rules)
{
    ++Record.Battles;
    rules.OnInitDialog(*this);
    if (policy_.Battle == BattlePolicy::Surrender)
        Record.OtherPresses += rules.Perform(Command::SurrenderBase, *this);
    else if (policy_.Battle == BattlePolicy::Return)
        Record.OtherPresses += rules.Perform(Command::ReturnToBase, *this);
    int blows = 0;
    for (; !rules.Ended() && blows < BlowLimit; ++blows)
        rules.Perform(Command::Attack, *this);
    Record.AttackPresses += blows;
    if (!rules.Ended()) {
        EndlessBattle = true;
        rules.Perform(Command::SurrenderBase, *this);
    }
    Record.BattlesHumansWon += play_.HumansWonBattle;
}

}  // namespace pennantry::sim
