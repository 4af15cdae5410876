// A Qt dialog whose every command goes through its rules: the buttons, Enter, Escape and the
// close box all become the rules' commands, and the dialog keeps no copy of which are live.
#pragma once

#include <QDialog>

#include <optional>

#include "Commands.h"

class QCloseEvent;
class QKeyEvent;
class QShowEvent;

namespace pennantry {

class CommandDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    // Gives the command to the rules; false when it is not live there.
    virtual bool Give(Command command) = 0;
    // The command Enter gives now, if any.
    virtual std::optional<Command> EnterCommand() const = 0;
    // The rules have ended, and the dialog with them.
    virtual bool Ended() const = 0;
    // After a command that left the dialog open.
    virtual void AfterCommand() {}

    // Gives a command, if any; ends the dialog when the rules have ended.
    void Perform(std::optional<Command> command);
    // Makes a click on the control that gives the command perform it.
    void Connect(Command command);

    // Escape and the close box are commands like any other, which the rules may refuse.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    // Showing a window forgets that the keyboard moved its focus, and with it the drawn focus;
    // the focus the rules placed is shown from the first show on.
    void showEvent(QShowEvent* event) override;
    // Enter gives what the rules name, whatever has the focus; a plain access letter gives its
    // button's command.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace pennantry
