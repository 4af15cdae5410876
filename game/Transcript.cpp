// The transcript's lines: the operation's name, then its values.
#include "Transcript.h"

#include <utility>

namespace pennantry {
namespace {

const char* OnOff(bool on) { return on ? " on" : " off"; }

// A text on one line: line breaks written as \n, so that a line is always one operation.
std::string OneLine(const std::string& text)
{
    std::string line;
    for (const char c : text)
        line += c == '\n' ? std::string("\\n") : std::string(1, c);
    return line;
}

}  // namespace

Transcript::Transcript(WindowOps& view, std::function<void(const std::string&)> sink)
    : view_(view), sink_(std::move(sink))
{
}

void Transcript::RefreshLabels(const Scoreboard& b)
{
    sink_("refresh " + b.InningHalf + b.Inning + " H" + b.HumansScore + " M" + b.MonstersScore + " b" + b.Balls + " s"
          + b.Strikes + " o" + b.Outs + " h" + b.HumanRunLevel + "," + b.HumanHitLevel + "," + b.HumanPitchLevel + ","
          + b.HumanCatchLevel + " m" + b.MonsterRunLevel + "," + b.MonsterHitLevel + "," + b.MonsterPitchLevel + ","
          + b.MonsterCatchLevel);
    view_.RefreshLabels(b);
}

void Transcript::EnablePlayButton(PlayButton button, bool enabled)
{
    sink_(std::string(button == PlayButton::Pitch ? "pitch" : "swing") + OnOff(enabled));
    view_.EnablePlayButton(button, enabled);
}

void Transcript::ShowBall(bool shown)
{
    sink_(std::string("ball") + OnOff(shown));
    view_.ShowBall(shown);
}

void Transcript::SetBasePicture(int base, bool occupied)
{
    sink_("base " + std::to_string(base) + OnOff(occupied));
    view_.SetBasePicture(base, occupied);
}

void Transcript::ShowMessage(const std::string& text, const std::string& caption)
{
    sink_("message " + (caption.empty() ? "" : "[" + OneLine(caption) + "] ") + OneLine(text));
    view_.ShowMessage(text, caption);
}

Answer Transcript::AskYesNo(const std::string& text)
{
    const Answer answer = view_.AskYesNo(text);
    sink_("ask " + OneLine(text) + (answer == Answer::Yes ? " yes" : " no"));
    return answer;
}

void Transcript::RunAboutDialog()
{
    sink_("about");
    view_.RunAboutDialog();
}

// A dialog's outcome is what the game does next; the skill picked shows in the next refresh.
void Transcript::RunSkillDialog(SkillUpgradeRules& rules)
{
    sink_("skill");
    view_.RunSkillDialog(rules);
}

void Transcript::RunBattleDialog(BattleRules& rules)
{
    sink_("battle");
    view_.RunBattleDialog(rules);
    sink_("battle ended " + std::to_string(rules.Shown().MonsterHp) + "/" + std::to_string(rules.Shown().HumanHp));
}

void Transcript::CloseWindow()
{
    sink_("close");
    view_.CloseWindow();
}

}  // namespace pennantry
