// The human face's key map.
#include "HumanKeys.h"

#include <cctype>

#include "DialogTemplates.h"
#include "TemplateText.h"

namespace pennantry {
namespace {

// "R Ready to Swing  ": a button's access key and text.
std::string KeyHint(const DialogTemplate& dialog, int id)
{
    const AccessText access = Access(ControlText(dialog, id));
    return std::string(1, access.key) + " " + access.text + "  ";
}

std::optional<Command> MatchMain(int k)
{
    switch (k) {
    case 'p': return Command::Pitch;
    case 'r': return Command::Swing;
    case 'e': return Command::SaveAndExit;
    case 'h': return Command::HelpAbout;
    case 'q':
    case KeyEscape: return Command::Escape;
    }
    return std::nullopt;
}

std::optional<Command> MatchSkill(int k)
{
    switch (k) {
    case '1': return Command::RunLevel;
    case '2': return Command::HitLevel;
    case '3': return Command::PitchLevel;
    case '4': return Command::CatchLevel;
    case KeyEscape: return Command::Escape;
    }
    return std::nullopt;
}

std::optional<Command> MatchBattle(int k)
{
    switch (k) {
    case 'a': return Command::Attack;
    case 's': return Command::SurrenderBase;
    case 'r': return Command::ReturnToBase;
    case KeyEscape: return Command::Escape;
    }
    return std::nullopt;
}

std::optional<Command> MatchBox(Prompt prompt, int k)
{
    if (prompt == Prompt::Ok)
        return (k == ' ' || k == KeyEscape) ? std::optional(Command::Ok) : std::nullopt;
    if (prompt == Prompt::YesNo)
        return k == 'y' ? std::optional(Command::Yes) : k == 'n' ? std::optional(Command::No) : std::nullopt;
    if (k == ' ')
        return Command::Ok;
    return k == 'i' ? std::optional(Command::AboutIcon) : k == KeyEscape ? std::optional(Command::Escape) : std::nullopt;
}

}  // namespace

TermInput MatchKey(Prompt prompt, int key)
{
    if (key == KeyEnd)
        return TermInput::End();
    const int k = (key >= 0 && key < 128) ? std::tolower(key) : key;
    // Enter gives what the window's rules name; a message box's only button is OK.
    if (k == '\n' && prompt != Prompt::YesNo)
        return prompt == Prompt::Ok ? TermInput::Gives(Command::Ok, KeyText(key)) : TermInput::Enter(KeyText(key));
    std::optional<Command> command;
    switch (prompt) {
    case Prompt::Main: command = MatchMain(k); break;
    case Prompt::Skill: command = MatchSkill(k); break;
    case Prompt::Battle: command = MatchBattle(k); break;
    default: command = MatchBox(prompt, k); break;
    }
    return {command, false, false, KeyText(key)};
}

int KeyOfLine(const std::string& line)
{
    if (line.empty())
        return '\n';
    std::string lower;
    for (const char c : line)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "esc" || lower == "escape" || lower == "\x1b")
        return KeyEscape;
    if (line.size() == 1)
        return static_cast<unsigned char>(line[0]);
    return KeyOther;
}

std::string KeyText(int key)
{
    if (key == '\n')
        return "enter";
    if (key == KeyEscape)
        return "escape";
    if (key >= 0x20 && key < 0x7F)
        return std::string(1, static_cast<char>(key));
    return "";
}

std::string KeysLine(Prompt prompt, const EnabledKeys& enabled)
{
    std::string keys = "Keys: ";
    switch (prompt) {
    case Prompt::Main: {
        const DialogTemplate& main = MainWindowTemplate();
        if (enabled.swing)
            keys += KeyHint(main, ids::SwingButton);
        if (enabled.pitch)
            keys += KeyHint(main, ids::PitchButton);
        keys += KeyHint(main, ids::AboutButton) + KeyHint(main, ids::SaveExitButton) + "Esc/Q Quit unsaved";
        break;
    }
    case Prompt::Ok: keys += "Enter OK"; break;
    case Prompt::YesNo: keys += "Y Yes  N No"; break;
    case Prompt::About: keys += "Enter OK  I Icon  Esc Close"; break;
    case Prompt::Skill: keys += std::string("1-4 Choose a skill  ") + (enabled.ok ? "Enter OK  " : "") + "Esc Cancel"; break;
    case Prompt::Battle: {
        const DialogTemplate& battle = BattleTemplate();
        keys += KeyHint(battle, ids::Attack);
        if (enabled.returns)
            keys += KeyHint(battle, ids::ReturnToBase);
        keys += KeyHint(battle, ids::SurrenderBase);
        keys.erase(keys.size() - 2);
        break;
    }
    }
    return keys + "  ? Help";
}

}  // namespace pennantry
