// The Skill Upgrade dialog: shows the skill rules and forwards the player's picks to them.
#include "SkillUpgradeDialog.h"

namespace pennantry {

void SkillUpgradeDialog::EnableOkButton() { EnableWindow(Item(ids::Ok), TRUE); }

INT_PTR SkillUpgradeDialog::OnMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND)
        return FALSE;
    const int id = ClickedId(wParam);
    if (id >= ids::RunLevel && id <= ids::CatchLevel)
        rules_.Pick(static_cast<Skill>(id - ids::RunLevel), *this);
    else if (id == IDOK)
        rules_.OnOK();
    else if (id == IDCANCEL)
        rules_.OnCancel();
    else
        return FALSE;
    if (rules_.Ended())
        EndDialog(Handle(), id);
    return TRUE;
}

}  // namespace pennantry
