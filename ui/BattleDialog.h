// The battle window: shows the battle's hit points and announcements and forwards each click.
#pragma once

#include <QDialog>

#include "BattleRules.h"

namespace pennantry {

class BattleDialog final : public QDialog, public BattleView {
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
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    // Enter gives the command the rules name, whatever has the focus.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Gives a command, if any, to the rules, then closes the dialog if that ended the battle.
    void Perform(std::optional<Command> command);

    BattleRules& rules_;
};

}  // namespace pennantry
