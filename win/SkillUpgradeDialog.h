// The Skill Upgrade dialog: shows the skill rules and forwards the player's picks to them.
#pragma once

#include "Dialog.h"
#include "SkillUpgradeRules.h"

namespace pennantry {

class SkillUpgradeDialog final : public Dialog, public SkillView {
public:
    explicit SkillUpgradeDialog(SkillUpgradeRules& rules) : Dialog(SkillUpgradeTemplate()), rules_(rules) {}

    void EnableOkButton() override;

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    SkillUpgradeRules& rules_;
};

}  // namespace pennantry
