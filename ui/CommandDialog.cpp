// A Qt dialog whose every command goes through its rules.
#include "CommandDialog.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>

#include "Controls.h"
#include "HowToPlay.h"
#include "MessageBoxes.h"
#include "TemplateBuilder.h"

namespace pennantry {

void CommandDialog::Perform(std::optional<Command> command)
{
    if (!command || !Give(*command))
        return;
    if (!Ended())
        AfterCommand();
    else if (isVisible())
        QDialog::done(Accepted);
}

void CommandDialog::Connect(Command command)
{
    if (auto* button = Control<QAbstractButton>(*this, ControlOf(command)))
        connect(button, &QAbstractButton::clicked, this, [this, command] { Perform(command); });
}

void CommandDialog::reject() { Perform(Command::Escape); }

void CommandDialog::closeEvent(QCloseEvent* event)
{
    Perform(Command::Close);
    event->setAccepted(Ended());
}

void CommandDialog::showEvent(QShowEvent* event)
{
    setAttribute(Qt::WA_KeyboardFocusChange);
    QDialog::showEvent(event);
}

void CommandDialog::keyPressEvent(QKeyEvent* event)
{
    if (IsPlainEnter(*event)) {
        Perform(EnterCommand());
        return;
    }
    // The rules in brief, over whichever of the game's windows has the keyboard.
    if (event->matches(QKeySequence::HelpContents)) {
        ShowOkBox(this, QString::fromUtf8(HowToPlay().data(), static_cast<qsizetype>(HowToPlay().size())),
                  QString::fromUtf8(HowToPlayCaption.data(), static_cast<qsizetype>(HowToPlayCaption.size())));
        return;
    }
    // A plain letter presses the button it is the access key of, as Alt with it does: no control
    // here takes typed text.
    if ((event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier && event->key() > ' ' && event->key() < 0x7F)
        for (QWidget* control : ControlsInOrder(*this))
            if (auto* button = qobject_cast<QAbstractButton*>(control);
                button && Access(button->text().toStdString()).key == event->key()) {
                Perform(CommandOf(button->objectName().toInt()));
                return;
            }
    QDialog::keyPressEvent(event);
}

}  // namespace pennantry
