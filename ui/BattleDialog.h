// The battle window: shows the battle's hit points and announcements and gives its commands to the rules.
#pragma once

#include "BattleRules.h"
#include "CommandDialog.h"

namespace pennantry {

class BattleDialog final : public CommandDialog, public BattleView {
    Q_OBJECT

public:
    // rules must outlive the dialog.
    BattleDialog(BattleRules& rules, QWidget* owner);

    // Initialises the battle, then runs the dialog modally until the rules have ended.
    void Run();

    void RefreshBattle(const BattleLabels& labels) override;
    void EnableReturnToBase(bool enabled) override;
    void ShowMessage(const std::string& text) override;

protected:
    bool Give(Command command) override { return rules_.Perform(command, *this); }
    std::optional<Command> EnterCommand() const override { return rules_.EnterCommand(); }
    bool Ended() const override { return rules_.Ended(); }
    // The focus comes back to the control Enter gives.
    void AfterCommand() override;

private:
    BattleRules& rules_;
};

}  // namespace pennantry
