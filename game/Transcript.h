// A record of every window operation the game makes, with its values, one line each: what one
// session looks like in any edition, so that a replayed session can be compared byte for byte.
#pragma once

#include <functional>
#include <string>

#include "BattleRules.h"
#include "SkillUpgradeRules.h"
#include "WindowOps.h"

namespace pennantry {

// Stands between the game and its view: writes each operation's line to the sink, then hands the
// operation on. The view, the sink and any rules handed through outlive it.
class Transcript final : public WindowOps {
public:
    Transcript(WindowOps& view, std::function<void(const std::string&)> sink);

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
    WindowOps& view_;
    std::function<void(const std::string&)> sink_;
};

}  // namespace pennantry
