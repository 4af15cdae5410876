// A view that writes every window operation as a line and answers prompts from queues.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "BattleRules.h"
#include "Random.h"
#include "SkillUpgradeRules.h"
#include "WindowOps.h"

namespace pennantry::test {

// Draws come from a list the test writes; drawing past its end fails the test.
class ScriptedRandom final : public Random {
public:
    void Seed(std::uint32_t seed) override { Seeds.push_back(seed); }
    int Rand() override;
    void Add(std::initializer_list<int> values) { Values.insert(Values.end(), values); }

    std::deque<int> Values;
    std::vector<std::uint32_t> Seeds;
};

// One blow of a battle: the three draws it takes.
std::vector<int> Blow(int coin, int damage, int turnBack = 7);
// Six blows of 9 against one side: enough to bring 50 hit points below zero.
std::vector<int> Knockout(int coin);

// Logs one line per operation. A prompt with nothing queued fails the test at once (and gets
// the most harmless answer), so a missing or extra box is caught rather than swallowed.
class RecordingView final : public WindowOps, public BattleView, public SkillView {
public:
    void RefreshLabels(const Scoreboard& board) override;
    void EnablePlayButton(PlayButton button, bool enabled) override;
    void ShowBall(bool shown) override;
    void SetBasePicture(int base, bool occupied) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    Answer AskYesNo(const std::string& text) override;
    void RunAboutDialog() override;
    void RunSkillDialog(SkillUpgradeRules& rules) override;
    void RunBattleDialog(BattleRules& rules) override;
    void CloseWindow() override;

    void RefreshBattle(const BattleLabels& labels) override;
    void EnableReturnToBase(bool enabled) override;
    void ShowMessage(const std::string& text) override;
    void EnableOkButton() override;

    // The message texts alone, in order.
    std::vector<std::string> Messages() const;
    // The lines logged since the last call.
    std::vector<std::string> Take();

    std::vector<std::string> Log;
    std::deque<Answer> Answers;
    // Each skill dialog takes one entry: picks by name ("run", "hit", "pitch", "catch"), then
    // "ok" or "cancel".
    std::deque<std::vector<std::string>> SkillClicks;
    // Each battle takes one entry: "attack", "fight" (attack until it ends), "surrender",
    // "return", "close" or "escape".
    std::deque<std::vector<std::string>> BattleClicks;
    // Answer everything by itself (Yes, a skill by turns, fight every battle) instead of from
    // the queues: for long plays whose prompts a test does not spell out.
    bool AutoAnswer = false;
    int AutoSkill = 0;

private:
    std::size_t taken_ = 0;
};

// The text a new game's scoreboard holds before its opening upgrades.
Scoreboard FreshBoard();
// One line that states a whole scoreboard, as the log writes it.
std::string Describe(const Scoreboard& board);

}  // namespace pennantry::test
