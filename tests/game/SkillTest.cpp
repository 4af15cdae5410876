// The Skill Upgrade choice: OK waits for a pick, and the last pick is the answer.
#include <gtest/gtest.h>

#include "RecordingView.h"

namespace pennantry::test {
namespace {

class CountingSkillView final : public SkillView {
public:
    void EnableOkButton() override { ++enabled; }
    int enabled = 0;
};

TEST(SkillUpgradeRules, OkStaysDisabledUntilTheFirstPickAndEveryPickIsTheAnswerAtOnce)
{
    PlayVariables play;
    CountingSkillView view;
    SkillUpgradeRules dialog(play);
    EXPECT_FALSE(dialog.OkEnabled());
    dialog.OnOK();
    EXPECT_FALSE(dialog.Ended()) << "OK must do nothing before a skill is picked";

    dialog.OnHitLevel(view);
    EXPECT_EQ(play.SkillChoice, SkillHit);
    dialog.OnCatchLevel(view);
    EXPECT_EQ(play.SkillChoice, SkillCatch);
    EXPECT_EQ(dialog.Selected(), SkillCatch);
    EXPECT_EQ(view.enabled, 2);
    dialog.OnOK();
    EXPECT_TRUE(dialog.Ended());
}

TEST(SkillUpgradeRules, CancelKeepsTheChoiceOfAnEarlierDialog)
{
    PlayVariables play;
    CountingSkillView view;
    {
        SkillUpgradeRules first(play);
        first.OnPitchLevel(view);
        first.OnOK();
    }
    SkillUpgradeRules next(play);
    EXPECT_FALSE(next.Selected().has_value()) << "a new dialog opens with nothing selected";
    next.OnCancel();
    EXPECT_TRUE(next.Ended());
    EXPECT_EQ(play.SkillChoice, SkillPitch);
}

}  // namespace
}  // namespace pennantry::test
