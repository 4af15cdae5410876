// The recording view and scripted generator the game's tests drive it with.
#include "RecordingView.h"

#include <gtest/gtest.h>

namespace pennantry::test {

int ScriptedRandom::Rand()
{
    if (Values.empty()) {
        ADD_FAILURE() << "drew more numbers than the test scripted";
        return 0;
    }
    const int value = Values.front();
    Values.pop_front();
    return value;
}

namespace {

// The next queued answer; an empty queue fails the test and gets the most harmless answer.
template <typename T>
T Next(std::deque<T>& queue, T harmless, const char* what)
{
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what;
        return harmless;
    }
    T answer = queue.front();
    queue.pop_front();
    return answer;
}

}  // namespace

std::vector<int> Blow(int coin, int damage, int turnBack) { return {coin, damage, turnBack}; }

std::vector<int> Knockout(int coin)
{
    std::vector<int> draws;
    for (int i = 0; i < 6; ++i)
        for (int v : Blow(coin, 9))
            draws.push_back(v);
    return draws;
}

std::string Describe(const Scoreboard& b)
{
    return b.InningHalf + b.Inning + " H" + b.HumansScore + " M" + b.MonstersScore + " b" + b.Balls + " s" +
           b.Strikes + " o" + b.Outs + " h" + b.HumanRunLevel + b.HumanHitLevel + b.HumanPitchLevel +
           b.HumanCatchLevel + " m" + b.MonsterRunLevel + b.MonsterHitLevel + b.MonsterPitchLevel +
           b.MonsterCatchLevel;
}

Scoreboard FreshBoard()
{
    Scoreboard b;
    for (const auto& f : ScoreboardFields)
        b.*f.Member = "0";
    b.HumanCatchLevel = b.HumanHitLevel = b.HumanPitchLevel = b.HumanRunLevel = "1";
    b.MonsterCatchLevel = b.MonsterHitLevel = b.MonsterPitchLevel = b.MonsterRunLevel = "1";
    b.Inning = "1";
    b.InningHalf = "T";
    return b;
}

void RecordingView::RefreshLabels(const Scoreboard& board) { Log.push_back("refresh " + Describe(board)); }

void RecordingView::EnablePlayButton(PlayButton button, bool enabled)
{
    Log.push_back(std::string(button == PlayButton::Pitch ? "pitch " : "swing ") + (enabled ? "on" : "off"));
}

void RecordingView::ShowBall(bool shown) { Log.push_back(shown ? "ball on" : "ball off"); }

void RecordingView::SetBasePicture(int base, bool occupied)
{
    Log.push_back("base " + std::to_string(base) + (occupied ? " on" : " off"));
}

void RecordingView::ShowMessage(const std::string& text, const std::string& caption)
{
    Log.push_back(caption.empty() ? "message " + text : "message [" + caption + "] " + text);
}

Answer RecordingView::AskYesNo(const std::string& text)
{
    const Answer answer = AutoAnswer ? Answer::Yes : Next(Answers, Answer::No, "question");
    Log.push_back("ask " + text + (answer == Answer::Yes ? " yes" : " no"));
    return answer;
}

void RecordingView::RunAboutDialog() { Log.push_back("about"); }

void RecordingView::RunSkillDialog(SkillUpgradeRules& rules)
{
    static const char* names[] = {"run", "hit", "pitch", "catch"};
    const auto clicks = AutoAnswer ? std::vector<std::string>{names[AutoSkill++ % 4], "ok"}
                                   : Next(SkillClicks, {"cancel"}, "Skill Upgrade dialog");
    std::string line = "skill";
    for (const auto& click : clicks) {
        line += " " + click;
        if (click == "run") rules.OnRunLevel(*this);
        else if (click == "hit") rules.OnHitLevel(*this);
        else if (click == "pitch") rules.OnPitchLevel(*this);
        else if (click == "catch") rules.OnCatchLevel(*this);
        else if (click == "ok") rules.OnOK();
        else if (click == "cancel") rules.OnCancel();
        else ADD_FAILURE() << "unknown skill click " << click;
    }
    Log.push_back(line);
    if (!rules.Ended())
        ADD_FAILURE() << "the Skill Upgrade dialog was left open after: " << line;
}

void RecordingView::RunBattleDialog(BattleRules& rules)
{
    Log.push_back("battle");
    rules.OnInitDialog(*this);
    const auto clicks = AutoAnswer ? std::vector<std::string>{"fight"} : Next(BattleClicks, {"close"}, "battle");
    for (const auto& click : clicks) {
        if (click == "attack") rules.OnAttack(*this);
        else if (click == "fight")
            for (int blows = 0; blows < 1000 && !rules.Ended(); ++blows)
                rules.OnAttack(*this);
        else if (click == "surrender") rules.OnSurrenderBase(*this);
        else if (click == "return") rules.OnReturnToBase(*this);
        else if (click == "close") rules.OnClose(*this);
        else if (click == "escape") rules.OnCancel(*this);
        else ADD_FAILURE() << "unknown battle click " << click;
    }
    Log.push_back("battle closed");
    if (!rules.Ended())
        ADD_FAILURE() << "the battle was left open";
}

void RecordingView::CloseWindow() { Log.push_back("close"); }

void RecordingView::RefreshBattle(const BattleLabels& l)
{
    Log.push_back("hp " + l.MonsterHp + "/" + l.HumanHp + (l.BattleMessage.empty() ? "" : " " + l.BattleMessage));
}

void RecordingView::EnableReturnToBase(bool enabled) { Log.push_back(enabled ? "return on" : "return off"); }

void RecordingView::ShowMessage(const std::string& text) { Log.push_back("battle message " + text); }

void RecordingView::EnableOkButton() {}

std::vector<std::string> RecordingView::Messages() const
{
    std::vector<std::string> texts;
    for (const auto& line : Log)
        if (line.rfind("message ", 0) == 0)
            texts.push_back(line.substr(8));
    return texts;
}

std::vector<std::string> RecordingView::Take()
{
    std::vector<std::string> lines(Log.begin() + static_cast<std::ptrdiff_t>(taken_), Log.end());
    taken_ = Log.size();
    return lines;
}

}  // namespace pennantry::test
