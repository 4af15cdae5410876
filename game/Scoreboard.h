// The scoreboard: the fifteen text fields that are the game's state of record.
#pragma once

#include <array>
#include <string>

namespace pennantry {

// Every field holds decimal text (or "T"/"B" for InningHalf); the labels on screen are only
// a view of these, copied when the game refreshes them.
struct Scoreboard {
    std::string Balls;
    std::string HumanCatchLevel;
    std::string HumanHitLevel;
    std::string HumanPitchLevel;
    std::string HumanRunLevel;
    std::string HumansScore;
    std::string Inning;
    std::string InningHalf;
    std::string MonsterCatchLevel;
    std::string MonsterHitLevel;
    std::string MonsterPitchLevel;
    std::string MonsterRunLevel;
    std::string MonstersScore;
    std::string Outs;
    std::string Strikes;

    bool operator==(const Scoreboard&) const = default;
};

// One row per field, in declaration order: its name, the main window's label that shows it,
// and the name under which the saved game keeps it.
struct ScoreboardField {
    const char* Name;
    int Label;
    const char* SavedName;
    std::string Scoreboard::*Member;
};

inline constexpr std::array<ScoreboardField, 15> ScoreboardFields{{
    {"Balls", 1021, "BA", &Scoreboard::Balls},
    {"HumanCatchLevel", 1009, "HC", &Scoreboard::HumanCatchLevel},
    {"HumanHitLevel", 1007, "HH", &Scoreboard::HumanHitLevel},
    {"HumanPitchLevel", 1008, "HP", &Scoreboard::HumanPitchLevel},
    {"HumanRunLevel", 1006, "HR", &Scoreboard::HumanRunLevel},
    {"HumansScore", 1004, "HRS", &Scoreboard::HumansScore},
    {"Inning", 1018, "IN", &Scoreboard::Inning},
    {"InningHalf", 1019, "IP", &Scoreboard::InningHalf},
    {"MonsterCatchLevel", 1013, "MC", &Scoreboard::MonsterCatchLevel},
    {"MonsterHitLevel", 1011, "MH", &Scoreboard::MonsterHitLevel},
    {"MonsterPitchLevel", 1012, "MP", &Scoreboard::MonsterPitchLevel},
    {"MonsterRunLevel", 1010, "MR", &Scoreboard::MonsterRunLevel},
    {"MonstersScore", 1005, "MRS", &Scoreboard::MonstersScore},
    {"Outs", 1022, "OU", &Scoreboard::Outs},
    {"Strikes", 1020, "ST", &Scoreboard::Strikes},
}};

}  // namespace pennantry
