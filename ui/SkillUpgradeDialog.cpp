// The Skill Upgrade dialog: shows the four skills and forwards the player's picks to the rules.
#include "SkillUpgradeDialog.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "DialogTemplates.h"
#include "TemplateBuilder.h"

namespace pennantry {

SkillUpgradeDialog::SkillUpgradeDialog(SkillUpgradeRules& rules, QWidget* owner) : QDialog(owner), rules_(rules)
{
    BuildTemplate(*this, SkillUpgradeTemplate());
    const std::pair<int, Skill> choices[] = {
        {ids::RunLevel, SkillRun}, {ids::HitLevel, SkillHit}, {ids::PitchLevel, SkillPitch}, {ids::CatchLevel, SkillCatch}};
    for (const auto& [id, skill] : choices) {
        connect(Control<QRadioButton>(*this, id), &QRadioButton::clicked, this, [this, skill = skill] {
            rules_.Pick(skill, *this);
        });
    }
    connect(Control<QPushButton>(*this, ids::Ok), &QPushButton::clicked, this, &SkillUpgradeDialog::OnOK);
    FocusFirstControl(*this);
}

void SkillUpgradeDialog::Run()
{
    if (!rules_.Ended())
        exec();
}

void SkillUpgradeDialog::EnableOkButton() { Control<QPushButton>(*this, ids::Ok)->setEnabled(true); }

void SkillUpgradeDialog::OnOK()
{
    rules_.OnOK();
    CloseWhenEnded();
}

void SkillUpgradeDialog::reject()
{
    rules_.OnCancel();
    if (rules_.Ended())
        QDialog::done(Rejected);
}

void SkillUpgradeDialog::closeEvent(QCloseEvent* event)
{
    rules_.OnCancel();
    if (rules_.Ended()) {
        QDialog::done(Rejected);
        event->accept();
    } else {
        event->ignore();
    }
}

void SkillUpgradeDialog::CloseWhenEnded()
{
    if (rules_.Ended())
        QDialog::done(Accepted);
}

}  // namespace pennantry
