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

// One row per field, in declaration order: the one place that binds a field to the main window's
// label that shows it (its control id), the static text and group box that caption that label,
// and the name under which the saved game keeps it. The templates take their field labels'
// ids and captions from here, and every edition reads the binding here.
struct ScoreboardField {
    const char* Name;
    int Label;
    const char* Caption;
    const char* Group;
    const char* SavedName;
    std::string Scoreboard::*Member;
};

inline constexpr std::array<ScoreboardField, 15> ScoreboardFields{{
    {"Balls", 1021, "Balls:", "Score:", "BA", &Scoreboard::Balls},
    {"HumanCatchLevel", 1009, "Catch Level:", "Human Stats:", "HC", &Scoreboard::HumanCatchLevel},
    {"HumanHitLevel", 1007, "Hit Level:", "Human Stats:", "HH", &Scoreboard::HumanHitLevel},
    {"HumanPitchLevel", 1008, "Pitch Level:", "Human Stats:", "HP", &Scoreboard::HumanPitchLevel},
    {"HumanRunLevel", 1006, "Run Level:", "Human Stats:", "HR", &Scoreboard::HumanRunLevel},
    {"HumansScore", 1004, "Humans:", "Score:", "HRS", &Scoreboard::HumansScore},
    {"Inning", 1018, "Inning:", "Score:", "IN", &Scoreboard::Inning},
    // The half sits just right of the inning, under the same caption.
    {"InningHalf", 1019, "Inning:", "Score:", "IP", &Scoreboard::InningHalf},
    {"MonsterCatchLevel", 1013, "Catch Level:", "Monster Stats:", "MC", &Scoreboard::MonsterCatchLevel},
    {"MonsterHitLevel", 1011, "Hit Level:", "Monster Stats:", "MH", &Scoreboard::MonsterHitLevel},
    {"MonsterPitchLevel", 1012, "Pitch Level:", "Monster Stats:", "MP", &Scoreboard::MonsterPitchLevel},
    {"MonsterRunLevel", 1010, "Run Level:", "Monster Stats:", "MR", &Scoreboard::MonsterRunLevel},
    {"MonstersScore", 1005, "Monsters:", "Score:", "MRS", &Scoreboard::MonstersScore},
    {"Outs", 1022, "Outs:", "Score:", "OU", &Scoreboard::Outs},
    {"Strikes", 1020, "Strikes:", "Score:", "ST", &Scoreboard::Strikes},
}};

// The row of a field. A constant expression, so that a template or a view names a field's label
// by its field rather than by its number.
constexpr const ScoreboardField& FieldOf(std::string Scoreboard::*member)
{
    for (const auto& field : ScoreboardFields)
        if (field.Member == member)
            return field;
    return ScoreboardFields[0];  // not reached: every member of Scoreboard has its row
}

}  // namespace pennantry
