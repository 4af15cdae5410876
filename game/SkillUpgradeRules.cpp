// The Skill Upgrade choice: OK waits for the first pick, and every pick is the answer at once.
#include "SkillUpgradeRules.h"

namespace pennantry {

bool SkillUpgradeRules::IsLive(Command command) const
{
    if (ended_)
        return false;
    switch (command) {
    case Command::RunLevel:
    case Command::HitLevel:
    case Command::PitchLevel:
    case Command::CatchLevel:
    case Command::Close:
    case Command::Escape: return true;
    case Command::Ok: return okEnabled_;
    default: return false;
    }
}

std::optional<Command> SkillUpgradeRules::EnterCommand() const
{
    return IsLive(Command::Ok) ? std::optional(Command::Ok) : std::nullopt;
}

bool SkillUpgradeRules::Perform(Command command, SkillView& view)
{
    if (!IsLive(command))
        return false;
    switch (command) {
    case Command::Ok: OnOK(); break;
    case Command::Close:
    case Command::Escape: OnCancel(); break;
    default:
        Pick(static_cast<Skill>(static_cast<int>(command) - static_cast<int>(Command::RunLevel)), view);
        break;
    }
    return true;
}

void SkillUpgradeRules::Pick(Skill skill, SkillView& view)
{
    if (ended_)
        return;
    okEnabled_ = true;
    view.EnableOkButton();
    play_.SkillChoice = skill;
    selected_ = skill;
}

void SkillUpgradeRules::OnOK()
{
    if (okEnabled_)
        ended_ = true;
}

}  // namespace pennantry
