// The About box: the program's icon, name and version; a click on the icon shows one fixed box.
#pragma once

#include "AboutRules.h"
#include "CommandDialog.h"

namespace pennantry {

class AboutBox final : public CommandDialog, public AboutView {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* owner);

    void ShowIconMessage() override;

protected:
    bool Give(Command command) override { return rules_.Perform(command, *this); }
    std::optional<Command> EnterCommand() const override { return rules_.EnterCommand(); }
    bool Ended() const override { return rules_.Ended(); }

private:
    AboutRules rules_;
};

}  // namespace pennantry
