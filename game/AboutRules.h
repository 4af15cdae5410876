// The About box's rules, with no window of its own.
#pragma once

#include <optional>

#include "Commands.h"

namespace pennantry {

class AboutView {
public:
    virtual ~AboutView() = default;
    // The one fixed box a click on the icon shows, over the About box.
    virtual void ShowIconMessage() = 0;
};

// OK, the close box and Escape end the box; the icon shows its message and leaves it open.
class AboutRules {
public:
    bool IsLive(Command command) const
    {
        return !ended_
               && (command == Command::Ok || command == Command::Close || command == Command::Escape
                   || command == Command::AboutIcon);
    }
    std::optional<Command> EnterCommand() const { return ended_ ? std::nullopt : std::optional(Command::Ok); }
    // Gives a command; false, with nothing done, when it is not live.
    bool Perform(Command command, AboutView& view)
    {
        if (!IsLive(command))
            return false;
        if (command == Command::AboutIcon)
            view.ShowIconMessage();
        else
            ended_ = true;
        return true;
    }
    bool Ended() const { return ended_; }

private:
    bool ended_ = false;
};

}  // namespace pennantry
