// What the player can ask for at a prompt, as both faces read it.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "Commands.h"

namespace pennantry {

// The places where the terminal edition waits for the player.
enum class Prompt { Main, Ok, YesNo, About, Skill, Battle };

// One player action, already matched against the prompt it answers: a command, Enter (which
// gives what the prompt's rules name), input that means nothing there, or the end of input.
struct TermInput {
    std::optional<Command> command;
    bool enter = false;
    bool end = false;
    // The input as the player gave it (trimmed), for the report of an ignored word.
    std::string text;

    static TermInput Gives(Command command, std::string text = {}) { return {command, false, false, std::move(text)}; }
    static TermInput Enter(std::string text = {}) { return {std::nullopt, true, false, std::move(text)}; }
    static TermInput Nothing(std::string text = {}) { return {std::nullopt, false, false, std::move(text)}; }
    static TermInput End() { return {std::nullopt, false, true, {}}; }
};

// Thrown when the input ends anywhere but at the main window: the program ends at once, unsaved.
class InputEnded : public std::runtime_error {
public:
    InputEnded() : std::runtime_error("end of input") {}
};

}  // namespace pennantry
