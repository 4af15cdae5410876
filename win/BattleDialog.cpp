// The Battle dialog: shows one battle's rules and forwards the player's clicks to them.
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
    } else if (message == WM_CLOSE) {
        rules_.OnClose(*this);
    } else if (message == WM_COMMAND) {
        switch (ClickedId(wParam)) {
        case ids::Attack: rules_.OnAttack(*this); break;
        case ids::SurrenderBase: rules_.OnSurrenderBase(*this); break;
        case ids::ReturnToBase: rules_.OnReturnToBase(*this); break;
        case IDCANCEL: rules_.OnCancel(*this); break;
        default: return FALSE;
        }
    } else {
        return FALSE;
    }
    if (rules_.Ended())
        EndDialog(Handle(), IDOK);
    return TRUE;
}

}  // namespace pennantry
