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

// One row per field, in declaration order: the one place that binds a field to its name (which
// the views find its label by) and to the name under which the saved game keeps it.
struct ScoreboardField {
    const char* Name;
    const char* SavedName;
    std::string Scoreboard::*Member;
};

inline constexpr std::array<ScoreboardField, 15> ScoreboardFields{{
    {"Balls", "BA", &Scoreboard::Balls},
    {"HumanCatchLevel", "HC", &Scoreboard::HumanCatchLevel},
    {"HumanHitLevel", "HH", &Scoreboard::HumanHitLevel},
    {"HumanPitchLevel", "HP", &Scoreboard::HumanPitchLevel},
    {"HumanRunLevel", "HR", &Scoreboard::HumanRunLevel},
    {"HumansScore", "HRS", &Scoreboard::HumansScore},
    {"Inning", "IN", &Scoreboard::Inning},
    {"InningHalf", "IP", &Scoreboard::InningHalf},
    {"MonsterCatchLevel", "MC", &Scoreboard::MonsterCatchLevel},
    {"MonsterHitLevel", "MH", &Scoreboard::MonsterHitLevel},
    {"MonsterPitchLevel", "MP", &Scoreboard::MonsterPitchLevel},
    {"MonsterRunLevel", "MR", &Scoreboard::MonsterRunLevel},
    {"MonstersScore", "MRS", &Scoreboard::MonstersScore},
    {"Outs", "OU", &Scoreboard::Outs},
    {"Strikes", "ST", &Scoreboard::Strikes},
}};

// The row of a field. A constant expression, so that a view names a field by its member.
constexpr const ScoreboardField& FieldOf(std::string Scoreboard::*member)
{
    for (const auto& field : ScoreboardFields)
        if (field.Member == member)
            return field;
    return ScoreboardFields[0];  // not reached: every member of Scoreboard has its row
}

}  // namespace pennantry
