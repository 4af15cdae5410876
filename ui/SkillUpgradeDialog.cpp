// The Skill Upgrade dialog: shows the four skills and forwards the player's picks to the rules.
#include "SkillUpgradeDialog.h"

#include <QPushButton>
#include <QRadioButton>

#include "DialogTemplates.h"
#include "MessageBoxes.h"
#include "TemplateBuilder.h"

namespace pennantry {

SkillUpgradeDialog::SkillUpgradeDialog(SkillUpgradeRules& rules, QWidget* owner) : CommandDialog(owner), rules_(rules)
{
    BuildTemplate(*this, SkillUpgradeTemplate());
    for (const Command command :
         {Command::RunLevel, Command::HitLevel, Command::PitchLevel, Command::CatchLevel, Command::Ok})
        Connect(command);
    FocusEnterCommand(*this, rules_.EnterCommand());
}

void SkillUpgradeDialog::Run()
{
    if (!rules_.Ended())
        ExecOver(*this);
}

void SkillUpgradeDialog::EnableOkButton() { Control<QPushButton>(*this, ids::Ok)->setEnabled(true); }

}  // namespace pennantry
