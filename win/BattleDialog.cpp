// The Battle dialog: shows one battle's rules and gives the player's commands to them.
#include "BattleDialog.h"

namespace pennantry {

void BattleDialog::RefreshBattle(const BattleLabels& labels)
{
    SetText(ids::MonsterHp, std::to_string(labels.MonsterHp));
    SetText(ids::HumanHp, std::to_string(labels.HumanHp));
    SetText(ids::BattleMessage, std::string(labels.BattleMessage));
}

void BattleDialog::EnableReturnToBase(bool enabled) { EnableWindow(Item(ids::ReturnToBase), enabled); }

void BattleDialog::ShowMessage(const std::string& text) { Box(text, "", MB_OK); }

INT_PTR BattleDialog::OnMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        rules_.OnInitDialog(*this);
        FollowEnter(rules_.EnterCommand(), true);
    } else if (message == WM_CLOSE) {
        Perform(rules_, *this, Command::Close);
    } else if (message == WM_COMMAND) {
        Perform(rules_, *this, Given(wParam, rules_.EnterCommand()));
    } else {
        return FALSE;
    }
    return TRUE;
}

}  // namespace pennantry
