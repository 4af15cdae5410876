// The game's test harness: a view that writes every window operation as a line, draws scripted
// with the N each must be taken modulo, and a game started from a saved game stated in one line.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "BattleRules.h"
#include "Game.h"
#include "SkillUpgradeRules.h"

namespace pennantry::test {

// Each draw is scripted as the value the game must see and the N it must take it modulo. Rand
// returns value + N, which reads as the value only modulo N (or a divisor of N above the value),
// so a draw taken modulo anything else, N + 1 say, plays differently and fails the test.
// Drawing past the script fails the test too.
class ScriptedRandom final : public Random {
public:
    struct Scripted {
        int value, n;
    };
    void Seed(std::uint32_t seed) override { Seeds.push_back(seed); }
    int Rand() override;
    // A braced list is evaluated left to right: the three draws in order.
    std::array<int, 3> RandThree() override { return {Rand(), Rand(), Rand()}; }

    std::deque<Scripted> Values;
    std::vector<std::uint32_t> Seeds;
};

// One line that states a whole scoreboard, as the log writes it: "B9 H2 M5 b0 s1 o2 h1111 m1211",
// that is the half and inning, both scores, balls, strikes, outs, then the Run, Hit, Pitch and
// Catch levels of the Humans and of the Monsters.
std::string Describe(const Scoreboard& board);

// Logs one line per operation. A prompt with nothing queued fails the test at once (and gets
// the most harmless answer), so a missing or extra box is caught rather than swallowed.
class RecordingView final : public WindowOps, public BattleView, public SkillView {
public:
    void RefreshLabels(const Scoreboard& board) override { Log.push_back("refresh " + Describe(board)); }
    void EnablePlayButton(PlayButton button, bool enabled) override;
    void ShowBall(bool shown) override { Log.push_back(shown ? "ball on" : "ball off"); }
    void SetBasePicture(int base, bool occupied) override
    {
        Pictures.at(static_cast<std::size_t>(base - 1)) = occupied ? '1' : '0';
        Log.push_back("base " + std::to_string(base) + (occupied ? " on" : " off"));
    }
    void ShowMessage(const std::string& text, const std::string& caption) override
    {
        Prompted();
        Log.push_back(caption.empty() ? "message " + text : "message [" + caption + "] " + text);
    }
    Answer AskYesNo(const std::string& text) override;
    void RunAboutDialog() override
    {
        Prompted();
        Log.push_back("about");
    }
    void RunSkillDialog(SkillUpgradeRules& rules) override;
    void RunBattleDialog(BattleRules& rules) override;
    void CloseWindow() override { Log.push_back("close"); }

    void RefreshBattle(const BattleLabels& l) override
    {
        Log.push_back("hp " + std::to_string(l.MonsterHp) + "/" + std::to_string(l.HumanHp) +
                      (l.BattleMessage.empty() ? "" : " " + std::string(l.BattleMessage)));
    }
    void EnableReturnToBase(bool enabled) override { Log.push_back(enabled ? "return on" : "return off"); }
    void ShowMessage(const std::string& text) override { Log.push_back("message [battle] " + text); }
    void EnableOkButton() override {}

    // What the player is shown and asked, in order: message texts (a battle's marked
    // "[battle] "), the skill dialogs and the clicks in them (a refused one marked "(ignored)"),
    // the question, About, closing.
    std::vector<std::string> Boxes() const;

    std::vector<std::string> Log;
    // Called as every box or dialog opens over the main window, when set.
    std::function<void()> DuringPrompt;
    std::deque<Answer> Answers;
    // Each skill dialog takes one entry: picks by name ("run", "hit", "pitch", "catch"), then
    // "ok" or "cancel".
    std::deque<std::vector<std::string>> SkillClicks;
    // Each battle takes one entry: "attack", "fight" (attack until it ends), "surrender",
    // "return", "close" or "escape"; each is given as the player's command, so one that is not
    // live does nothing.
    std::deque<std::vector<std::string>> BattleClicks;
    // Answer every prompt by itself (Yes, a skill by turns, fight every battle): for long plays
    // whose prompts a test does not spell out.
    bool AutoAnswer = false;
    int AutoSkill = 0;
    bool PitchEnabled = false;
    // What the three base pictures show, as runner flags ("100"); a new window shows none.
    std::string Pictures = "000";

private:
    void Prompted() const { DuringPrompt ? DuringPrompt() : void(); }
};

using Values = std::map<std::string, std::string>;

// A game over the recording view, scripted draws and a store in memory.
class GameTest : public ::testing::Test {
protected:
    void TearDown() override { ExpectAllTaken(); }

    // Saves a game stated as Describe writes it (each level one digit), with the runners as
    // three flags ("110") and any saved value given apart, and starts the game up from it.
    void Load(const std::string& board, const std::string& runners = "000", const Values& extra = {});
    // Queues one play's draws and answers, presses the enabled play button, and checks that the
    // play took all of them. The script is words apart:
    //   p70 c99   the pitch roll and the catch roll (taken % 100)
    //   d2        the Monsters' skill draw (% 4)
    //   M H       a battle the runner fights until the monster (M) or the human (H) falls
    //   S R C E   in a battle: surrender, return to base, the close box, Escape
    //   T         within a battle word, first one blow on the human whose turn-back draw is 0
    //   run hit pitch catch   a skill dialog answered by that pick and OK; "hit+catch" picks
    //                         both in turn, "cancel" cancels it
    //   yes no    the answer to "Play Again?"
    void Play(const std::string& script);
    void Queue(const std::string& script);
    void ExpectAllTaken();
    std::string Runners() const;

    PlayVariables play;
    ScriptedRandom random;
    SteppingClock clock{1000};
    MemoryStore store;
    RecordingView view;
    Game game{view, random, clock, store, play};
};

}  // namespace pennantry::test
