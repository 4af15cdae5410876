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

Command MatchMain(int k)
{
    switch (k) {
    case 'p': return Command::Pitch;
    case 'r': return Command::Swing;
    case 'e': return Command::Save;
    case 'h': return Command::About;
    case 'q':
    case KeyEscape: return Command::Escape;
    }
    return Command::Unknown;
}

Command MatchSkill(int k)
{
    switch (k) {
    case '1': return Command::RunLevel;
    case '2': return Command::HitLevel;
    case '3': return Command::PitchLevel;
    case '4': return Command::CatchLevel;
    case '\n': return Command::Ok;
    case KeyEscape: return Command::Escape;
    }
    return Command::Unknown;
}

Command MatchBattle(int k)
{
    switch (k) {
    case 'a': return Command::Attack;
    case 's': return Command::Surrender;
    case 'r': return Command::Return;
    case KeyEscape: return Command::Close;
    }
    return Command::Unknown;
}

}  // namespace

Command MatchKey(Prompt prompt, int key)
{
    if (key == KeyEnd)
        return Command::End;
    const int k = (key >= 0 && key < 128) ? std::tolower(key) : key;
    switch (prompt) {
    case Prompt::Main: return MatchMain(k);
    case Prompt::Ok: return (k == '\n' || k == ' ' || k == KeyEscape) ? Command::Ok : Command::Unknown;
    case Prompt::YesNo: return k == 'y' ? Command::Yes : k == 'n' ? Command::No : Command::Unknown;
    case Prompt::About:
        if (k == '\n' || k == ' ')
            return Command::Ok;
        return k == 'i' ? Command::Icon : k == KeyEscape ? Command::Escape : Command::Unknown;
    case Prompt::Skill: return MatchSkill(k);
    case Prompt::Battle: return MatchBattle(k);
    }
    return Command::Unknown;
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
        keys += KeyHint(battle, ids::SurrenderBase) + "Esc Close";
        break;
    }
    }
    return keys + "  ? Help";
}

}  // namespace pennantry
