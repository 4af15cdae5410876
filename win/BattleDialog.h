// The Battle dialog: shows one battle's rules and forwards the player's clicks to them.
#pragma once

#include "BattleRules.h"
#include "Dialog.h"

namespace pennantry {

class BattleDialog final : public Dialog, public BattleView {
public:
    explicit BattleDialog(BattleRules& rules) : Dialog(BattleTemplate()), rules_(rules) {}

    void RefreshBattle(const BattleLabels& labels) override;
    void EnableReturnToBase(bool enabled) override;
    void ShowMessage(const std::string& text) override;

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    BattleRules& rules_;
};

}  // namespace pennantry
