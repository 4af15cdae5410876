// The main window: the field, the scoreboard and the four buttons, showing one Game.
#pragma once

#include "CommandDialog.h"
#include "Game.h"
#include "Transcript.h"
#include "WindowOps.h"

class QLabel;
class QPushButton;

namespace pennantry {

// A modal dialog that lives as long as the program. It owns its Game and shows it through the
// window operations; everything else the game needs is handed in and must outlive the window.
class GameWindow final : public CommandDialog, public WindowOps {
    Q_OBJECT

public:
    // With `record`, every window operation the game makes is also written there, a line each.
    GameWindow(Random& random, Clock& clock, SavedGameStore& store, PlayVariables& play,
               std::function<void(const std::string&)> record = {});

    // The start-up before the window is first shown: the About box, then the saved game or a new
    // one. False when the program must end without showing the window.
    bool StartUp();
    // Shows the window with the focus on its first control and runs it until it closes.
    void Run();

    // The game it shows, for reading only: every change goes through the handlers.
    const Game& CurrentGame() const { return game_; }

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

protected:
    bool Give(Command command) override { return game_.Perform(command); }
    std::optional<Command> EnterCommand() const override { return game_.EnterCommand(); }
    bool Ended() const override { return closed_; }
    // After every play the focus rests on the control Enter gives: the live play button.
    void AfterCommand() override;

private:
    // Makes the window's controls on their first use: start-up needs none of them before the
    // About box is on screen, and building them first would keep the player waiting for it.
    void Build();
    QLabel* Label(int id) const;
    QPushButton* Button(int id) const;
    // What a screen reader says for a base picture: the base, and whether a runner is on it.
    void NameBase(int base, bool occupied);

    std::optional<Transcript> transcript_;
    Game game_;
    bool built_ = false;
    bool closed_ = false;
};

}  // namespace pennantry
