// What the player can ask for at a prompt, as both faces read it.
#pragma once

#include <stdexcept>
#include <string>

namespace pennantry {

// The places where the terminal edition waits for the player.
enum class Prompt { Main, Ok, YesNo, About, Skill, Battle };

// One player action, already matched against the prompt it answers. Unknown stands for input that
// means nothing there; End for the end of input.
enum class Command {
    Unknown,
    End,
    Pitch,
    Swing,
    Save,
    About,
    Close,
    Escape,
    Ok,
    Icon,
    Yes,
    No,
    RunLevel,
    HitLevel,
    PitchLevel,
    CatchLevel,
    Attack,
    Surrender,
    Return,
};

struct TermInput {
    Command command = Command::Unknown;
    // The input as the player gave it (trimmed), for the report of an ignored word.
    std::string text;
};

// Thrown when the input ends anywhere but at the main window: the program ends at once, unsaved.
class InputEnded : public std::runtime_error {
public:
    InputEnded() : std::runtime_error("end of input") {}
};

}  // namespace pennantry
