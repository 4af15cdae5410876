// The commands a player gives the game's windows, whatever the input that gave them. Each
// window's rules say which of its commands are live and which one Enter gives; an edition only
// turns its input into a command and hands it over.
#pragma once

#include <cstdint>
#include <optional>

namespace pennantry {

enum class Command : std::uint8_t {
    // The main window.
    Pitch,
    Swing,
    SaveAndExit,
    HelpAbout,
    SystemAbout,
    // The battle.
    Attack,
    SurrenderBase,
    ReturnToBase,
    // Skill Upgrade's four picks.
    RunLevel,
    HitLevel,
    PitchLevel,
    CatchLevel,
    // The About box's icon.
    AboutIcon,
    // A window's OK button, its close box and the Escape key; a question's two answers.
    Ok,
    Close,
    Escape,
    Yes,
    No,
};

}  // namespace pennantry
