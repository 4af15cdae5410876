// The window operations: the only way the game reaches a screen.
#pragma once

#include <string>

#include "Scoreboard.h"

namespace pennantry {

class BattleRules;
class SkillUpgradeRules;

enum class PlayButton { Pitch, Swing };
enum class Answer { Yes = 6, No = 7 };

// Implemented by each view (the Qt window, the terminal, the tests' recording view). The game
// owns nothing of the view; the view outlives every call. Every call returns only when its
// effect is done: a message box or a dialog has been dismissed, a picture swapped.
class WindowOps {
public:
    virtual ~WindowOps() = default;

    // Copy all fifteen fields into their labels at once. Labels change at no other time.
    virtual void RefreshLabels(const Scoreboard& board) = 0;

    // A disabled button is greyed and ignores clicks.
    virtual void EnablePlayButton(PlayButton button, bool enabled) = 0;

    // Shown or hidden at once, with no refresh of the labels.
    virtual void ShowBall(bool shown) = 0;

    // base is 1, 2 or 3; occupied shows the base with a runner, else the empty base.
    virtual void SetBasePicture(int base, bool occupied) = 0;

    // A modal box with an OK button. An empty caption means the application's name.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;

    // The modal Yes/No question; it bears the application's name.
    virtual Answer AskYesNo(const std::string& text) = 0;

    // Modal dialogs over the main window. The skill and battle dialogs show the rules object
    // and forward the player's clicks to it; they close when its Ended() turns true (or, for
    // the skill dialog, on cancel). The rules object outlives the call.
    virtual void RunAboutDialog() = 0;
    virtual void RunSkillDialog(SkillUpgradeRules& rules) = 0;
    virtual void RunBattleDialog(BattleRules& rules) = 0;

    // End the main window. The program ends once the handler that asked for it has returned.
    virtual void CloseWindow() = 0;
};

}  // namespace pennantry
