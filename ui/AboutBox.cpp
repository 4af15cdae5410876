// The About box: the program's icon, name and version; a click on the icon shows one fixed box.
#include "AboutBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "DialogTemplates.h"
#include "MessageBoxes.h"
#include "TemplateBuilder.h"

namespace pennantry {

AboutBox::AboutBox(QWidget* owner) : QDialog(owner)
{
    BuildTemplate(*this, AboutTemplate());
    connect(Control<PictureLabel>(*this, ids::AboutIcon), &PictureLabel::clicked, this, [this] { Perform(Command::AboutIcon); });
    connect(Control<QPushButton>(*this, ids::Ok), &QPushButton::clicked, this, [this] { Perform(Command::Ok); });
    FocusEnterCommand(*this, rules_.EnterCommand());
}

void AboutBox::ShowIconMessage()
{
    ShowOkBox(this, QString::fromUtf8(AboutIconText.data(), static_cast<qsizetype>(AboutIconText.size())),
              QString::fromUtf8(AboutIconCaption.data(), static_cast<qsizetype>(AboutIconCaption.size())));
}

void AboutBox::Perform(std::optional<Command> command)
{
    if (command && rules_.Perform(*command, *this) && rules_.Ended())
        QDialog::done(Accepted);
}

void AboutBox::reject() { Perform(Command::Escape); }

void AboutBox::closeEvent(QCloseEvent* event)
{
    Perform(Command::Close);
    event->setAccepted(rules_.Ended());
}

void AboutBox::keyPressEvent(QKeyEvent* event)
{
    if (IsPlainEnter(*event))
        Perform(rules_.EnterCommand());
    else
        QDialog::keyPressEvent(event);
}

}  // namespace pennantry
