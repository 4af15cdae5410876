// A session's commands in place of a policy.
#include "ScriptView.h"

#include <map>

namespace pennantry::sim {
namespace {

const std::map<std::string, Command> Named{
    {"pitch", Command::Pitch},          {"swing", Command::Swing},          {"save", Command::SaveAndExit},
    {"help", Command::HelpAbout},       {"close", Command::Close},          {"escape", Command::Escape},
    {"attack", Command::Attack},        {"surrender", Command::SurrenderBase}, {"return", Command::ReturnToBase},
    {"run-level", Command::RunLevel},   {"hit-level", Command::HitLevel},   {"pitch-level", Command::PitchLevel},
    {"catch-level", Command::CatchLevel}, {"icon", Command::AboutIcon},     {"yes", Command::Yes},
    {"no", Command::No}};

}  // namespace

std::optional<Command> ScriptView::Next(std::optional<Command> enter)
{
    if (commands_.empty()) {
        broken_ = true;
        return std::nullopt;
    }
    const std::string word = commands_.front();
    commands_.pop_front();
    if (word == "ok")
        return enter;
    const auto named = Named.find(word);
    broken_ = broken_ || named == Named.end();
    return named == Named.end() ? std::nullopt : std::optional(named->second);
}

bool ScriptView::Play(Game& game)
{
    while (!closed_ && !broken_ && !commands_.empty())
        if (const auto command = Next(game.EnterCommand()))
            game.Perform(*command);
    return !broken_;
}

void ScriptView::ShowMessage(const std::string&, const std::string&)
{
    while (!broken_ && Next(Command::Ok) != Command::Ok) {
    }
}

Answer ScriptView::AskYesNo(const std::string&)
{
    for (;;) {
        const auto answer = Next(Command::Yes);
        if (broken_ || answer == Command::Yes || answer == Command::No)
            return answer == Command::Yes ? Answer::Yes : Answer::No;
    }
}

template <class Rules, class View>
void ScriptView::Run(Rules& rules, View& view)
{
    while (!broken_ && !rules.Ended())
        if (const auto command = Next(rules.EnterCommand()))
            rules.Perform(*command, view);
}

void ScriptView::RunAboutDialog()
{
    AboutRules rules;
    Run(rules, static_cast<AboutView&>(*this));
}

void ScriptView::RunSkillDialog(SkillUpgradeRules& rules) { Run(rules, static_cast<SkillView&>(*this)); }

void ScriptView::RunBattleDialog(BattleRules& rules)
{
    rules.OnInitDialog(*this);
    Run(rules, static_cast<BattleView&>(*this));
}

}  // namespace pennantry::sim
