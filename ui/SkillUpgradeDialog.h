// The Skill Upgrade dialog: shows the four skills and gives the player's picks to the rules.
#pragma once

#include "CommandDialog.h"
#include "SkillUpgradeRules.h"

namespace pennantry {

// There is no close box, but a window manager may draw one anyway: it cancels, as Escape does.
class SkillUpgradeDialog final : public CommandDialog, public SkillView {
    Q_OBJECT

public:
    // rules must outlive the dialog.
    SkillUpgradeDialog(SkillUpgradeRules& rules, QWidget* owner);

    // Runs the dialog modally until the rules have ended.
    void Run();

    void EnableOkButton() override;

protected:
    bool Give(Command command) override { return rules_.Perform(command, *this); }
    std::optional<Command> EnterCommand() const override { return rules_.EnterCommand(); }
    bool Ended() const override { return rules_.Ended(); }

private:
    SkillUpgradeRules& rules_;
};

}  // namespace pennantry
