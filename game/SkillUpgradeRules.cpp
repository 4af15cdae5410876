// The Skill Upgrade choice: OK waits for the first pick, and every pick is the answer at once.
#include "SkillUpgradeRules.h"

namespace pennantry {

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
