// The main window of the Windows edition: the field, the scoreboard and the four buttons.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Dialog.h"
#include "Game.h"
#include "Transcript.h"
#include "WindowOps.h"

namespace pennantry {

// The main window's class: a second start of the program finds the running one by it.
inline constexpr const char* MainWindowClass = "Tessivar.Pennantry";

// A modal dialog that lives as long as the program. It owns its Game and shows it through the
// window operations; everything else the game needs is handed in and must outlive the window.
class GameWindow final : public Dialog, public WindowOps {
public:
    // With a record, every window operation is also given to it, a line each, before it is shown.
    GameWindow(Random& random, Clock& clock, SavedGameStore& store, PlayVariables& play,
               std::function<void(const std::string&)> record = {});
    ~GameWindow() override;

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

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog();
    // Gives a command, if any, to the game; the default button and the focus then follow Enter.
    void Perform(std::optional<Command> command);
    // While minimised the window shows only its icon, centred.
    bool OnPaint();
    // Gives each picture over the field the field beneath its clear pixels, as the controls lie.
    void LayPicturesOverField();
    void ShowPicture(int id, HBITMAP picture) const;

    std::optional<Transcript> transcript_;
    Game game_;
    HICON icon_;
    HICON smallIcon_;
    // Each base's two pictures, occupied and empty, over the field where that base lies.
    std::array<std::array<HBITMAP, 2>, 3> bases_{};
    // Every picture drawn over the field, deleted with the window.
    std::vector<HBITMAP> pictures_;
};

}  // namespace pennantry
