// The battle window: shows the battle's hit points and announcements and forwards each click.
#include "BattleDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "CommandControls.h"
#include "DialogTemplates.h"
#include "MessageBoxes.h"
#include "TemplateBuilder.h"

namespace pennantry {

BattleDialog::BattleDialog(BattleRules& rules, QWidget* owner) : QDialog(owner), rules_(rules)
{
    BuildTemplate(*this, BattleTemplate());
    // The labels show the rules' texts only; until the first refresh they are blank.
    for (const int id : {ids::MonsterHp, ids::HumanHp, ids::BattleMessage})
        Control<QLabel>(*this, id)->clear();
    for (const Command command : {Command::Attack, Command::SurrenderBase, Command::ReturnToBase})
        connect(Control<QPushButton>(*this, ControlOf(command)), &QPushButton::clicked, this,
                [this, command] { Perform(command); });
}

void BattleDialog::Run()
{
    rules_.OnInitDialog(*this);
    FocusEnterCommand(*this, rules_.EnterCommand());
    if (!rules_.Ended())
        exec();
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

void BattleDialog::Perform(std::optional<Command> command)
{
    if (!command || !rules_.Perform(*command, *this))
        return;
    if (rules_.Ended())
        QDialog::done(Accepted);
    else
        FocusEnterCommand(*this, rules_.EnterCommand());
}

// Only the three buttons decide a battle: Escape and the close box are given, and refused.
void BattleDialog::reject() { Perform(Command::Escape); }

void BattleDialog::closeEvent(QCloseEvent* event)
{
    Perform(Command::Close);
    event->setAccepted(rules_.Ended());
}

void BattleDialog::keyPressEvent(QKeyEvent* event)
{
    if (IsPlainEnter(*event))
        Perform(rules_.EnterCommand());
    else
        QDialog::keyPressEvent(event);
}

}  // namespace pennantry
