// The two kinds of message box the game shows: OK only, and the Yes/No question.
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace pennantry {

// Runs a modal window, then gives the window it was shown over the keyboard again: a window
// manager may otherwise leave no window active once the modal one has gone.
int ExecOver(QDialog& dialog);

// A modal box with only an OK button over owner. An empty caption means the application's name.
void ShowOkBox(QWidget* owner, const QString& text, const QString& caption = QString());

// The modal Yes/No question with the application's name. It must be answered: Escape and the
// close box do nothing, as on the original platform, so a slip of the key cannot end a game.
bool AskYesNoBox(QWidget* owner, const QString& text);

}  // namespace pennantry
