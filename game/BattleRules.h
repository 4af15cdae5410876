// The battle for one base: hit points, blows and every ending, with no window of its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Commands.h"
#include "PlayVariables.h"
#include "Random.h"

namespace pennantry {

// What the dialog's three labels show. Hit points are shown as decimal numbers; a blow changes
// numbers, not texts, so a battle of many blows composes nothing. The announcement is one of the
// battle's fixed texts, which live as long as the program (empty before the first blow).
struct BattleLabels {
    int MonsterHp = 50;
    int HumanHp = 50;
    std::string_view BattleMessage;
    bool operator==(const BattleLabels&) const = default;
};

// What the battle asks of the dialog that shows it.
class BattleView {
public:
    virtual ~BattleView() = default;
    // Show the three labels in the dialog.
    virtual void RefreshBattle(const BattleLabels& labels) = 0;
    // Set once, as the dialog opens.
    virtual void EnableReturnToBase(bool enabled) = 0;
    // A modal OK box over the battle dialog, bearing the application's name.
    virtual void ShowMessage(const std::string& text) = 0;
};

// Built by the game for one battle and shown by a view; the view calls OnInitDialog once, then
// performs a command per click or key, and closes the dialog as soon as Ended() is true. The
// outcome is left in the play variables. Handlers do nothing once the battle has ended.
class BattleRules {
public:
    BattleRules(PlayVariables& play, Random& random, Clock& clock);

    // Only the three buttons decide a battle: the close box and Escape are never live, so a stray
    // key can neither put a runner out nor hand him the base.
    bool IsLive(Command command) const;
    // Enter attacks.
    std::optional<Command> EnterCommand() const;
    // Gives a command through its handler; false, with nothing done, when it is not live.
    bool Perform(Command command, BattleView& view);

    void OnInitDialog(BattleView& view);
    void OnAttack(BattleView& view);
    void OnSurrenderBase(BattleView& view);
    // Ignored while the button is disabled.
    void OnReturnToBase(BattleView& view);

    bool Ended() const { return ended_; }
    bool ReturnToBaseEnabled() const { return returnEnabled_; }
    // The labels as the dialog last showed them.
    const BattleLabels& Shown() const { return labels_; }

private:
    void Refresh(BattleView& view);
    void GiveUp(BattleView& view);
    // One side takes a blow; true when it has no hit points left.
    bool Hurt(bool monsterHit, int damage);
    void OnOK();

    PlayVariables& play_;
    Random& random_;
    Clock& clock_;
    // What the dialog shows. Ending reads the labels back, so a deciding blow is never written
    // here: they always equal what the dialog last showed, and a refresh hands them over as they are.
    BattleLabels labels_;
    bool returnEnabled_ = false;
    bool ended_ = false;
};

}  // namespace pennantry
