// What every edition's view reads the same way off the templates: which control gives each
// command, which picture shows each base, and a control's access key.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "Commands.h"
#include "DialogTemplates.h"

namespace pennantry {

// The button (or picture) that gives a command, or NoId for a command no control gives (the
// close box, Escape, a question's answers, the system menu's About).
constexpr int ControlOf(Command command)
{
    switch (command) {
    case Command::Pitch: return ids::PitchButton;
    case Command::Swing: return ids::SwingButton;
    case Command::SaveAndExit: return ids::SaveExitButton;
    case Command::HelpAbout: return ids::AboutButton;
    case Command::Attack: return ids::Attack;
    case Command::SurrenderBase: return ids::SurrenderBase;
    case Command::ReturnToBase: return ids::ReturnToBase;
    case Command::RunLevel: return ids::RunLevel;
    case Command::HitLevel: return ids::HitLevel;
    case Command::PitchLevel: return ids::PitchLevel;
    case Command::CatchLevel: return ids::CatchLevel;
    case Command::AboutIcon: return ids::AboutIcon;
    case Command::Ok: return ids::Ok;
    default: return NoId;
    }
}

// The command a click on a control gives, if it gives one.
constexpr std::optional<Command> CommandOf(int control)
{
    for (const Command command :
         {Command::Pitch, Command::Swing, Command::SaveAndExit, Command::HelpAbout, Command::Attack,
          Command::SurrenderBase, Command::ReturnToBase, Command::RunLevel, Command::HitLevel, Command::PitchLevel,
          Command::CatchLevel, Command::AboutIcon, Command::Ok})
        if (ControlOf(command) == control)
            return command;
    return std::nullopt;
}

// The pictures of first, second and third base.
inline constexpr std::array<int, 3> BasePictures{ids::FirstBasePicture, ids::SecondBasePicture, ids::ThirdBasePicture};

// A control's text as shown: "&&" is one ampersand, "&X" makes X (upper-cased) the access key.
struct AccessText {
    std::string text;
    char key = 0;
};
AccessText Access(std::string_view text);

}  // namespace pennantry
