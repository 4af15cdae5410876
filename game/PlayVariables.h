// The six variables that carry one play between the game and its dialogs.
#pragma once

#include <cstdint>

namespace pennantry {

// One instance lives as long as the program (the entry point owns it); none of it is saved.
// SkillChoice and HumansWonBattle deliberately outlive a new game.
struct PlayVariables {
    char BattingSide = 'M';
    std::int32_t BasesAdvanced = 0;
    std::uint8_t AdvanceStopped = 0;
    std::uint8_t RunnerOut = 0;
    std::uint8_t HumansWonBattle = 0;
    std::int32_t SkillChoice = 0;

    // Every reader compares the side as tolower would: the load writes 'h'/'m', the buttons 'H'/'M'.
    // Spelt out, because the library's tolower is a call on every blow of every battle.
    bool HumansBat() const { return BattingSide == 'h' || BattingSide == 'H'; }
};

}  // namespace pennantry
