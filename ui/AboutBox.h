// The About box: the program's icon, name and version; a click on the icon shows one fixed box.
#pragma once

#include <QDialog>

#include "AboutRules.h"

namespace pennantry {

class AboutBox final : public QDialog, public AboutView {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* owner);

    void ShowIconMessage() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    // Enter gives OK, whatever has the focus.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Gives a command, if any, to the rules, then closes the box if that ended it.
    void Perform(std::optional<Command> command);

    AboutRules rules_;
};

}  // namespace pennantry
