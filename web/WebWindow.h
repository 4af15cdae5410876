// The browser edition's main window: the game's window operations on the page, with every modal
// one (a box, the question, a dialog) a wait on the page that Asyncify turns into a return.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "BattleRules.h"
#include "Game.h"
#include "SkillUpgradeRules.h"
#include "Transcript.h"
#include "WindowOps.h"

namespace pennantry {

class WebWindow final : public WindowOps, public BattleView, public SkillView {
public:
    // With `record`, every window operation the game makes is also written there, a line each.
    WebWindow(Random& random, Clock& clock, SavedGameStore& store, PlayVariables& play,
              std::function<void(const std::string&)> record = {});

    // Start-up, then the main window's presses until it closes; returns once the page shows
    // its closing screen.
    void Run();

    // The tab is going away: the main window's close box, which saves; while a box or dialog is
    // open the game refuses the close, so the last save stands.
    void OnPageHide();

    // The tab is hidden, and the browser may discard it without a pagehide. While the close box is
    // live the game is saved as it saves it, but the window stays for the player's return; while a
    // box or dialog is open the last save stands.
    void OnPageHidden();

    // WindowOps
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

    // BattleView
    void RefreshBattle(const BattleLabels& labels) override;
    void EnableReturnToBase(bool enabled) override;
    void ShowMessage(const std::string& text) override;

    // SkillView
    void EnableOkButton() override;

private:
    // Waits for the player's next press in the dialog and turns it into a command: Enter gives
    // `enter`, the one the dialog's rules name.
    std::optional<Command> NextCommand(int dialog, std::optional<Command> enter);
    // Puts the focus on the control of the command Enter gives, so that the player sees it.
    void Focus(int dialog, std::optional<Command> enter);

    std::optional<Transcript> transcript_;
    Game game_;
    bool closed_ = false;
    // Set as the tab goes away: nothing can be shown any more, and a box would wait for ever.
    bool leaving_ = false;
};

}  // namespace pennantry
