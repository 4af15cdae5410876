// The player's choice of the Humans' skill upgrade, with no window of its own.
#pragma once

#include <optional>

#include "Commands.h"
#include "PlayVariables.h"

namespace pennantry {

enum Skill { SkillRun = 0, SkillHit = 1, SkillPitch = 2, SkillCatch = 3 };

class SkillView {
public:
    virtual ~SkillView() = default;
    // Called at every pick: OK becomes (or stays) enabled.
    virtual void EnableOkButton() = 0;
};

// The view shows the four choices with none selected and OK disabled, forwards each click, and
// closes when Ended() is true. The answer is SkillChoice, written at the moment of each pick,
// so a cancel keeps whatever was picked last, in this dialog or an earlier one.
class SkillUpgradeRules {
public:
    explicit SkillUpgradeRules(PlayVariables& play) : play_(play) {}

    // The four picks, and the close box and Escape (which cancel), until the dialog ends; OK once
    // a skill is picked.
    bool IsLive(Command command) const;
    // Enter presses OK once it is enabled, and nothing before.
    std::optional<Command> EnterCommand() const;
    // Gives a command through its handler; false, with nothing done, when it is not live.
    bool Perform(Command command, SkillView& view);

    void OnRunLevel(SkillView& view) { Pick(SkillRun, view); }
    void OnHitLevel(SkillView& view) { Pick(SkillHit, view); }
    void OnPitchLevel(SkillView& view) { Pick(SkillPitch, view); }
    void OnCatchLevel(SkillView& view) { Pick(SkillCatch, view); }
    void Pick(Skill skill, SkillView& view);

    // Ignored while OK is disabled.
    void OnOK();
    void OnCancel() { ended_ = true; }

    bool OkEnabled() const { return okEnabled_; }
    bool Ended() const { return ended_; }
    // The radio button that shows as selected in this dialog, if any.
    std::optional<Skill> Selected() const { return selected_; }

private:
    PlayVariables& play_;
    std::optional<Skill> selected_;
    bool okEnabled_ = false;
    bool ended_ = false;
};

}  // namespace pennantry
