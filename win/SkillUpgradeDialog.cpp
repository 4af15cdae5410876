// The Skill Upgrade dialog: shows the skill rules and gives the player's picks to them.
#include "SkillUpgradeDialog.h"

namespace pennantry {

void SkillUpgradeDialog::EnableOkButton() { EnableWindow(Item(ids::Ok), TRUE); }

// The focus stays where the player put it, so that the arrows go on picking; OK is the default.
INT_PTR SkillUpgradeDialog::OnMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_CLOSE)
        Perform(rules_, *this, Command::Close, false);
    else if (message == WM_COMMAND)
        Perform(rules_, *this, Given(wParam, rules_.EnterCommand()), false);
    else
        return FALSE;
    return TRUE;
}

}  // namespace pennantry
