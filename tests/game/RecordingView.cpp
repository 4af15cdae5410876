// The recording view, the scripted draws and the fixture the game's tests drive the game with.
#include "RecordingView.h"

#include <sstream>

namespace pennantry::test {
namespace {

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

int ScriptedRandom::Rand()
{
    const Scripted next = Next(Values, Scripted{0, 1}, "draw");
    return next.value + next.n;
}

std::string Describe(const Scoreboard& b)
{
    return b.InningHalf + b.Inning + " H" + b.HumansScore + " M" + b.MonstersScore + " b" + b.Balls + " s" +
           b.Strikes + " o" + b.Outs + " h" + b.HumanRunLevel + b.HumanHitLevel + b.HumanPitchLevel +
           b.HumanCatchLevel + " m" + b.MonsterRunLevel + b.MonsterHitLevel + b.MonsterPitchLevel +
           b.MonsterCatchLevel;
}

void RecordingView::EnablePlayButton(PlayButton button, bool enabled)
{
    if (button == PlayButton::Pitch)
        PitchEnabled = enabled;
    Log.push_back(std::string(button == PlayButton::Pitch ? "pitch " : "swing ") + (enabled ? "on" : "off"));
}

Answer RecordingView::AskYesNo(const std::string& text)
{
    Prompted();
    const Answer answer = AutoAnswer ? Answer::Yes : Next(Answers, Answer::No, "question");
    Log.push_back("ask " + text + (answer == Answer::Yes ? " yes" : " no"));
    return answer;
}

void RecordingView::RunSkillDialog(SkillUpgradeRules& rules)
{
    Prompted();
    static const char* names[] = {"run", "hit", "pitch", "catch"};
    const auto clicks = AutoAnswer ? std::vector<std::string>{names[AutoSkill++ % 4], "ok"}
                                   : Next(SkillClicks, {"cancel"}, "Skill Upgrade dialog");
    std::string line = "skill";
    static const std::map<std::string, Command> commands{{"run", Command::RunLevel},     {"hit", Command::HitLevel},
                                                         {"pitch", Command::PitchLevel}, {"catch", Command::CatchLevel},
                                                         {"ok", Command::Ok},            {"cancel", Command::Escape}};
    // A click the rules refuse is marked, as the faces tell the player it was ignored.
    for (const auto& click : clicks)
        line += " " + click + (rules.Perform(commands.at(click), *this) ? "" : " (ignored)");
    Log.push_back(line);
    EXPECT_TRUE(rules.Ended()) << "the Skill Upgrade dialog was left open after: " << line;
}

void RecordingView::RunBattleDialog(BattleRules& rules)
{
    Prompted();
    Log.push_back("battle");
    rules.OnInitDialog(*this);
    const auto clicks = AutoAnswer ? std::vector<std::string>{"fight"} : Next(BattleClicks, {"close"}, "battle");
    static const std::map<std::string, Command> commands{
        {"attack", Command::Attack}, {"fight", Command::Attack}, {"surrender", Command::SurrenderBase},
        {"return", Command::ReturnToBase}, {"close", Command::Close}, {"escape", Command::Escape}};
    for (const auto& click : clicks)
        for (int blows = 0; blows < (click == "fight" ? 1000 : 1) && !rules.Ended(); ++blows)
            rules.Perform(commands.at(click), *this);
    Log.push_back("battle closed");
    EXPECT_TRUE(rules.Ended()) << "the battle was left open";
}

std::vector<std::string> RecordingView::Boxes() const
{
    std::vector<std::string> boxes;
    for (const auto& line : Log) {
        if (line.rfind("message ", 0) == 0)
            boxes.push_back(line.substr(8));
        else if (line.rfind("skill ", 0) == 0 || line.rfind("ask ", 0) == 0 || line == "about" || line == "close")
            boxes.push_back(line);
    }
    return boxes;
}

void GameTest::Load(const std::string& board, const std::string& runners, const Values& extra)
{
    std::istringstream words(board);
    std::string w[8];
    for (auto& word : w)
        words >> word;
    store.values = {{"IP", w[0].substr(0, 1)}, {"IN", w[0].substr(1)}};
    const char* names[] = {"HRS", "MRS", "BA", "ST", "OU", "HR", "HH", "HP", "HC", "MR", "MH", "MP", "MC"};
    for (int i = 0; i < 13; ++i)
        store.values[names[i]] = i < 5 ? w[i + 1].substr(1) : w[6 + (i - 5) / 4].substr(1 + (i - 5) % 4, 1);
    for (int base = 0; base < 3; ++base)
        store.values["B" + std::to_string(base + 1)] = runners.substr(base, 1);
    for (const auto& [name, text] : extra)
        store.values[name] = text;
    view.Pictures = "000";
    ASSERT_TRUE(game.StartUp());
    view.Log.clear();
    random.Seeds.clear();
}

void GameTest::Queue(const std::string& script)
{
    // A battle word's letters: the clicks, and the blows each one draws (coin, damage, turn-back).
    const std::map<char, std::pair<const char*, std::vector<int>>> clicks{
        {'M', {"fight", {0, 5, 7}}}, {'H', {"fight", {1, 5, 7}}}, {'T', {"attack", {1, 3, 0}}},
        {'S', {"surrender", {}}}, {'R', {"return", {}}}, {'C', {"close", {}}}, {'E', {"escape", {}}}};
    std::istringstream words(script);
    for (std::string word; words >> word;) {
        if (word.size() > 1 && std::string("pcd").find(word[0]) != std::string::npos && std::isdigit(word[1])) {
            random.Values.push_back({std::stoi(word.substr(1)), word[0] == 'd' ? 4 : 100});
        } else if (word == "yes" || word == "no") {
            view.Answers.push_back(word == "yes" ? Answer::Yes : Answer::No);
        } else if (std::isupper(static_cast<unsigned char>(word[0]))) {
            view.BattleClicks.emplace_back();
            for (const char c : word) {
                const auto& [click, blow] = clicks.at(c);
                // Ten blows of 5 bring 50 hit points to exactly 0, the least that ends a battle.
                for (int i = 0; i < (blow.empty() ? 0 : c == 'T' ? 1 : 10); ++i)
                    random.Values.insert(random.Values.end(), {{blow[0], 2}, {blow[1], 10}, {blow[2], 20}});
                view.BattleClicks.back().push_back(click);
            }
        } else {
            std::vector<std::string> picks;
            std::istringstream names(word);
            for (std::string pick; std::getline(names, pick, '+');)
                picks.push_back(pick);
            if (word != "cancel")
                picks.push_back("ok");
            view.SkillClicks.push_back(picks);
        }
    }
}

void GameTest::Play(const std::string& script)
{
    Queue(script);
    // Enter gives the enabled play button, and while the play runs nothing of the main window is
    // live: a close or a save then would keep half a play.
    ASSERT_EQ(game.EnterCommand(), view.PitchEnabled ? Command::Pitch : Command::Swing);
    view.DuringPrompt = [this] {
        for (const Command command : {Command::Pitch, Command::Swing, Command::SaveAndExit, Command::Close, Command::Escape})
            EXPECT_FALSE(game.Perform(command)) << "live in a play: " << static_cast<int>(command);
        EXPECT_EQ(game.EnterCommand(), std::nullopt);
    };
    EXPECT_TRUE(game.Perform(*game.EnterCommand()));
    view.DuringPrompt = nullptr;
    ExpectAllTaken();
    EXPECT_EQ(view.Pictures, Runners()) << "a base picture does not match its runner";
}

void GameTest::ExpectAllTaken()
{
    EXPECT_TRUE(random.Values.empty()) << random.Values.size() << " scripted draws were not taken";
    EXPECT_TRUE(view.Answers.empty()) << "a queued answer was not asked for";
    EXPECT_TRUE(view.SkillClicks.empty()) << "a queued Skill Upgrade dialog did not open";
    EXPECT_TRUE(view.BattleClicks.empty()) << "a queued battle did not open";
    random.Values.clear();
    view.Answers.clear();
    view.SkillClicks.clear();
    view.BattleClicks.clear();
}

std::string GameTest::Runners() const
{
    return std::string{char('0' + game.RunnerOnFirst()), char('0' + game.RunnerOnSecond()),
                       char('0' + game.RunnerOnThird())};
}

}  // namespace pennantry::test
