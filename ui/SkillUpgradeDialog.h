// The Skill Upgrade dialog: shows the four skills and forwards the player's picks to the rules.
#pragma once

#include <QDialog>

#include "SkillUpgradeRules.h"

namespace pennantry {

class SkillUpgradeDialog final : public QDialog, public SkillView {
    Q_OBJECT

public:
    // rules must outlive the dialog.
    SkillUpgradeDialog(SkillUpgradeRules& rules, QWidget* owner);

    // Runs the dialog modally until the rules have ended.
    void Run();

    void EnableOkButton() override;

protected:
    // There is no close box, but a window manager may draw one anyway: it cancels, as Escape does.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    // Enter gives the command the rules name (OK, once a skill is picked), whatever has the focus.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Gives a command, if any, to the rules, then closes the dialog if that ended the choice.
    void Perform(std::optional<Command> command);

    SkillUpgradeRules& rules_;
};

}  // namespace pennantry
