// The simulator's view: the window operations and both dialogs, each prompt answered by a policy.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "BattleRules.h"
#include "PlayVariables.h"
#include "SkillUpgradeRules.h"
#include "Simulator.h"
#include "WindowOps.h"

namespace pennantry::sim {

// Counts every press a player would make and keeps what the screen would show (the play buttons,
// the base pictures). Answers "Play Again?" with No, so a game ends at its question.
class SimView final : public WindowOps, public BattleView, public SkillView {
public:
    // `play` is the game's own; the view reads it only to see who bats and who won a battle.
    SimView(const Policy& policy, const PlayVariables& play, std::uint64_t choiceSeed);

    void RefreshLabels(const Scoreboard&) override {}
    void EnablePlayButton(PlayButton button, bool enabled) override;
    void ShowBall(bool) override {}
    void SetBasePicture(int base, bool occupied) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    Answer AskYesNo(const std::string& text) override;
    void RunAboutDialog() override { ++Record.OtherPresses; }
    void RunSkillDialog(SkillUpgradeRules& rules) override;
    void RunBattleDialog(BattleRules& rules) override;
    void CloseWindow() override { Closed = true; }

    void RefreshBattle(const BattleLabels&) override {}
    void EnableReturnToBase(bool) override {}
    void ShowMessage(const std::string& text) override;
    void EnableOkButton() override {}

    GameRecord Record;
    // What the screen shows: the enabled play buttons and the base pictures (occupied or not).
    bool PitchEnabled = false;
    bool SwingEnabled = false;
    std::array<bool, 3> BasePictures{};
    // Set by "Play Again?" and by the window's closing.
    bool Over = false;
    bool Closed = false;
    // Outs announced since the count was last cleared: a third strike, a caught ball, a runner
    // O-U-T or a human runner surrendered. Counted only when `CountOuts` is set (the law check).
    bool CountOuts = false;
    int OutsAnnounced = 0;
    // A battle that would not end, which no policy should meet.
    bool EndlessBattle = false;

private:
    Skill NextSkill();

    Policy policy_;
    const PlayVariables& play_;
    std::uint64_t choiceState_;
};

}  // namespace pennantry::sim
