// The Skill Upgrade dialog: shows the four skills and forwards the player's picks to the rules.
#include "SkillUpgradeDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "CommandControls.h"
#include "DialogTemplates.h"
#include "TemplateBuilder.h"

namespace pennantry {

SkillUpgradeDialog::SkillUpgradeDialog(SkillUpgradeRules& rules, QWidget* owner) : QDialog(owner), rules_(rules)
{
    BuildTemplate(*this, SkillUpgradeTemplate());
    for (const Command command :
         {Command::RunLevel, Command::HitLevel, Command::PitchLevel, Command::CatchLevel, Command::Ok})
        connect(Control<QAbstractButton>(*this, ControlOf(command)), &QAbstractButton::clicked, this,
                [this, command] { Perform(command); });
    FocusEnterCommand(*this, rules_.EnterCommand());
}

void SkillUpgradeDialog::Run()
{
    if (!rules_.Ended())
        exec();
}

void SkillUpgradeDialog::EnableOkButton() { Control<QPushButton>(*this, ids::Ok)->setEnabled(true); }

void SkillUpgradeDialog::Perform(std::optional<Command> command)
{
    if (command && rules_.Perform(*command, *this) && rules_.Ended())
        QDialog::done(*command == Command::Ok ? Accepted : Rejected);
}

void SkillUpgradeDialog::reject() { Perform(Command::Escape); }

void SkillUpgradeDialog::closeEvent(QCloseEvent* event)
{
    Perform(Command::Close);
    event->setAccepted(rules_.Ended());
}

void SkillUpgradeDialog::keyPressEvent(QKeyEvent* event)
{
    if (IsPlainEnter(*event))
        Perform(rules_.EnterCommand());
    else
        QDialog::keyPressEvent(event);
}

}  // namespace pennantry
