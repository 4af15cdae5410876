// The battle window: shows the battle's hit points and announcements and forwards each click.
#include "BattleDialog.h"

#include <QLabel>
#include <QPushButton>

#include "DialogTemplates.h"
#include "MessageBoxes.h"
#include "TemplateBuilder.h"

namespace pennantry {

BattleDialog::BattleDialog(BattleRules& rules, QWidget* owner) : CommandDialog(owner), rules_(rules)
{
    BuildTemplate(*this, BattleTemplate());
    // The labels show the rules' texts only; until the first refresh they are blank.
    for (const int id : {ids::MonsterHp, ids::HumanHp, ids::BattleMessage})
        Control<QLabel>(*this, id)->clear();
    for (const Command command : {Command::Attack, Command::SurrenderBase, Command::ReturnToBase})
        Connect(command);
}

void BattleDialog::Run()
{
    rules_.OnInitDialog(*this);
    AfterCommand();
    if (!rules_.Ended())
        ExecOver(*this);
}

void BattleDialog::RefreshBattle(const BattleLabels& labels)
{
    Control<QLabel>(*this, ids::MonsterHp)->setNum(labels.MonsterHp);
    Control<QLabel>(*this, ids::HumanHp)->setNum(labels.HumanHp);
    const auto& message = labels.BattleMessage;
    Control<QLabel>(*this, ids::BattleMessage)->setText(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
}

void BattleDialog::EnableReturnToBase(bool enabled) { Control<QPushButton>(*this, ids::ReturnToBase)->setEnabled(enabled); }

void BattleDialog::ShowMessage(const std::string& text) { ShowOkBox(this, QString::fromStdString(text)); }

void BattleDialog::AfterCommand() { FocusEnterCommand(*this, rules_.EnterCommand()); }

}  // namespace pennantry
