// The machine face's lines and words.
#include "JsonWindow.h"

#include <array>
#include <string_view>
#include <utility>

#include "JsonLine.h"

namespace pennantry {
namespace {

const char* DialogName(TermDialog dialog)
{
    switch (dialog) {
    case TermDialog::About: return "about";
    case TermDialog::Skill: return "skill";
    case TermDialog::Battle: return "battle";
    }
    return "";
}

const char* ButtonName(TermButton button)
{
    switch (button) {
    case TermButton::Pitch: return "pitch";
    case TermButton::Swing: return "swing";
    case TermButton::Ok: return "ok";
    case TermButton::Return: return "return";
    }
    return "";
}

const char* PromptName(Prompt prompt)
{
    switch (prompt) {
    case Prompt::Main: return "main";
    case Prompt::Ok: return "ok";
    case Prompt::YesNo: return "yesno";
    case Prompt::About: return "about";
    case Prompt::Skill: return "skill";
    case Prompt::Battle: return "battle";
    }
    return "";
}

struct Word {
    Prompt prompt;
    std::string_view text;
    Command command;
};

// The words each prompt knows; everything else there is ignored (the ok prompt takes any line).
constexpr std::array<Word, 24> Words{{
    {Prompt::Main, "pitch", Command::Pitch},
    {Prompt::Main, "swing", Command::Swing},
    {Prompt::Main, "save", Command::SaveAndExit},
    {Prompt::Main, "about", Command::HelpAbout},
    {Prompt::Main, "close", Command::Close},
    {Prompt::Main, "escape", Command::Escape},
    {Prompt::YesNo, "yes", Command::Yes},
    {Prompt::YesNo, "no", Command::No},
    {Prompt::About, "ok", Command::Ok},
    {Prompt::About, "icon", Command::AboutIcon},
    {Prompt::About, "close", Command::Close},
    {Prompt::About, "escape", Command::Escape},
    {Prompt::Skill, "run", Command::RunLevel},
    {Prompt::Skill, "hit", Command::HitLevel},
    {Prompt::Skill, "pitch", Command::PitchLevel},
    {Prompt::Skill, "catch", Command::CatchLevel},
    {Prompt::Skill, "ok", Command::Ok},
    {Prompt::Skill, "escape", Command::Escape},
    {Prompt::Battle, "attack", Command::Attack},
    {Prompt::Battle, "surrender", Command::SurrenderBase},
    {Prompt::Battle, "return", Command::ReturnToBase},
    {Prompt::Battle, "close", Command::Close},
    {Prompt::Battle, "escape", Command::Escape},
    {Prompt::Ok, "", Command::Ok},
}};

TermInput Match(Prompt prompt, const std::string& word)
{
    if (prompt == Prompt::Ok)
        return TermInput::Gives(Command::Ok, word);
    for (const Word& known : Words)
        if (known.prompt == prompt && known.text == word)
            return TermInput::Gives(known.command, word);
    return TermInput::Nothing(word);
}

}  // namespace

JsonWindow::JsonWindow(std::string appName, std::FILE* out, int inFd)
    : TermWindow(std::move(appName)), out_(out), in_(inFd)
{
}

void JsonWindow::Emit(const std::string& line)
{
    std::fputs(line.c_str(), out_);
    std::fputc('\n', out_);
    std::fflush(out_);
}

void JsonWindow::WriteRefresh()
{
    JsonLine labels;
    for (const auto& field : ScoreboardFields)
        labels.Add(field.Name, Screen().labels.*field.Member);
    Emit(JsonLine().Add("op", "refresh").AddRaw("labels", labels.Text()).Text());
}

void JsonWindow::WriteButton(TermButton button, bool enabled)
{
    Emit(JsonLine().Add("op", "button").Add("button", ButtonName(button)).Add("enabled", enabled).Text());
}

void JsonWindow::WriteBall()
{
    Emit(JsonLine().Add("op", "ball").Add("shown", Screen().ballShown).Text());
}

void JsonWindow::WriteBase(int base)
{
    const bool occupied = Screen().bases[static_cast<std::size_t>(base - 1)];
    Emit(JsonLine().Add("op", "base").Add("base", base).Add("occupied", occupied).Text());
}

void JsonWindow::WriteBox()
{
    Emit(JsonLine()
             .Add("op", Screen().question ? "question" : "message")
             .Add("caption", Screen().boxCaption)
             .Add("text", Screen().boxText)
             .Text());
}

void JsonWindow::WriteDialog(TermDialog dialog, bool open)
{
    Emit(JsonLine().Add("op", open ? "dialog" : "dialog-closed").Add("dialog", DialogName(dialog)).Text());
}

void JsonWindow::WriteBattle()
{
    const BattleLabels& battle = Screen().battle;
    const std::string labels = JsonLine()
                                   .Add("MonsterHp", std::to_string(battle.MonsterHp))
                                   .Add("HumanHp", std::to_string(battle.HumanHp))
                                   .Add("BattleMessage", battle.BattleMessage)
                                   .Text();
    Emit(JsonLine().Add("op", "battle").AddRaw("labels", labels).Text());
}

void JsonWindow::WriteShow() { Emit(JsonLine().Add("op", "show").Text()); }

void JsonWindow::WriteClose() { Emit(JsonLine().Add("op", "close").Text()); }

void JsonWindow::WriteIgnored(const TermInput& input)
{
    Emit(JsonLine().Add("op", "ignored").Add("input", input.text).Text());
}

TermInput JsonWindow::Read(Prompt prompt)
{
    Emit(JsonLine().Add("prompt", PromptName(prompt)).Text());
    const auto line = in_.ReadLine();
    if (!line)
        return TermInput::End();
    return Match(prompt, *line);
}

}  // namespace pennantry
