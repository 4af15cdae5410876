// A view that answers every prompt from a list of commands instead of a policy: a session played
// on the core alone, as a player gave it in any other edition.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "AboutRules.h"
#include "BattleRules.h"
#include "Game.h"
#include "SkillUpgradeRules.h"
#include "WindowOps.h"

namespace pennantry::sim {

// The commands by the names a session gives them: "pitch", "attack", "hit-level", "ok", ...;
// "ok" and "yes" at a box, and "ok" in a dialog, are the Enter that box or dialog takes.
class ScriptView final : public WindowOps, public BattleView, public SkillView, public AboutView {
public:
    explicit ScriptView(std::deque<std::string> commands) : commands_(std::move(commands)) {}

    // Gives the main window's commands until it closes or the list ends; false when a command was
    // unknown or the list ran out inside a box or dialog.
    bool Play(Game& game);

    void RefreshLabels(const Scoreboard&) override {}
    void EnablePlayButton(PlayButton, bool) override {}
    void ShowBall(bool) override {}
    void SetBasePicture(int, bool) override {}
    void ShowMessage(const std::string& text, const std::string& caption) override;
    Answer AskYesNo(const std::string& text) override;
    void RunAboutDialog() override;
    void RunSkillDialog(SkillUpgradeRules& rules) override;
    void RunBattleDialog(BattleRules& rules) override;
    void CloseWindow() override { closed_ = true; }

    void RefreshBattle(const BattleLabels&) override {}
    void EnableReturnToBase(bool) override {}
    void ShowMessage(const std::string& text) override { ShowMessage(text, ""); }
    void EnableOkButton() override {}
    void ShowIconMessage() override { ShowMessage("", ""); }

private:
    // The next command, or nothing once the list has ended (or named no command).
    std::optional<Command> Next(std::optional<Command> enter);
    template <class Rules, class View>
    void Run(Rules& rules, View& view);

    std::deque<std::string> commands_;
    bool closed_ = false;
    bool broken_ = false;
};

}  // namespace pennantry::sim
