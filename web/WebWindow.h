// The browser edition's main window: the game's window operations on the page, with every modal
// one (a box, the question, a dialog) a wait on the page that Asyncify turns into a return.
#pragma once

#include <string>

#include "BattleRules.h"
#include "Game.h"
#include "SkillUpgradeRules.h"
#include "WindowOps.h"

namespace pennantry {

class WebWindow final : public WindowOps, public BattleView, public SkillView {
public:
    WebWindow(Random& random, Clock& clock, SavedGameStore& store, PlayVariables& play);

    // Start-up, then the main window's presses until it closes; returns once the page shows
    // its closing screen.
    void Run();

    // The tab is going away. While the main window waits for a press this is its close box, which
    // saves; while a box or dialog is open the window takes no close, so the last save stands.
    void OnPageHide();

    // The tab is hidden, and the browser may discard it without a pagehide. While the main window
    // waits for a press the game is saved as its close box saves it, but the window stays for the
    // player's return; while a box or dialog is open the last save stands.
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
    Game game_;
    bool closed_ = false;
    bool waitingForPress_ = false;
    // Set as the tab goes away: nothing can be shown any more, and a box would wait for ever.
    bool leaving_ = false;
    // Set while a hidden tab keeps its game: the close that follows the save is not taken, and a
    // box could not be answered.
    bool keeping_ = false;
};

}  // namespace pennantry
