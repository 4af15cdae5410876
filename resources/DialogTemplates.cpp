// The templates' tables, control by control in template order.
#include "DialogTemplates.h"

#include <array>

namespace pennantry {
namespace {

using K = ControlKind;

constexpr std::array<DialogControl, 3> AboutControls{{
    {ids::AboutIcon, K::Icon, "128", 7, 14, 21, 20, Notify | Sunken, "AboutIcon", IconProgram},
    {NoId, K::Label, "Pennantry Version 1.0", 40, 10, 119, 8, NoStyle, "", 0},
    {ids::Ok, K::PushButton, "OK", 178, 7, 50, 17, DefaultButton | TabStop, "", 0},
}};

constexpr std::array<DialogControl, 42> MainControls{{
    {ids::SwingButton, K::PushButton, "&Ready to Swing", 190, 96, 150, 19, Disabled | MultiLine | TabStop, "SwingButton", 0},
    {ids::PitchButton, K::PushButton, "&Pitch", 190, 115, 149, 19, TabStop, "PitchButton", 0},
    {ids::SaveExitButton, K::PushButton, "Save && &Exit", 189, 153, 149, 18, TabStop, "SaveExitButton", 0},
    {1004, K::Label, "0", 217, 23, 10, 8, NoStyle, "HumansScore", 0},
    {1005, K::Label, "0", 219, 34, 10, 8, NoStyle, "MonstersScore", 0},
    {1018, K::Label, "1", 215, 45, 8, 8, NoStyle, "Inning", 0},
    {1019, K::Label, "T", 223, 45, 8, 8, NoStyle, "InningHalf", 0},
    {1020, K::Label, "0", 215, 56, 8, 8, NoStyle, "Strikes", 0},
    {1021, K::Label, "0", 214, 67, 8, 8, NoStyle, "Balls", 0},
    {1022, K::Label, "0", 214, 76, 8, 8, NoStyle, "Outs", 0},
    {1008, K::Label, "1", 327, 23, 10, 8, NoStyle, "HumanPitchLevel", 0},
    {1009, K::Label, "1", 328, 33, 10, 8, NoStyle, "HumanCatchLevel", 0},
    {1011, K::Label, "1", 276, 75, 10, 8, NoStyle, "MonsterHitLevel", 0},
    {1010, K::Label, "1", 277, 65, 10, 8, NoStyle, "MonsterRunLevel", 0},
    {1012, K::Label, "1", 327, 65, 10, 8, NoStyle, "MonsterPitchLevel", 0},
    {1013, K::Label, "1", 329, 75, 10, 8, NoStyle, "MonsterCatchLevel", 0},
    {NoId, K::GroupBox, "Human Stats:", 238, 13, 103, 36, NoStyle, "", 0},
    {NoId, K::GroupBox, "Score:", 185, 15, 47, 72, NoStyle, "", 0},
    {NoId, K::Label, "Humans:", 187, 23, 28, 9, NoStyle, "", 0},
    {NoId, K::Label, "Monsters:", 187, 34, 32, 9, NoStyle, "", 0},
    {NoId, K::Label, "Inning:", 192, 45, 23, 8, NoStyle, "", 0},
    {NoId, K::Label, "Strikes:", 189, 56, 24, 8, NoStyle, "", 0},
    {NoId, K::Label, "Balls:", 195, 66, 18, 9, NoStyle, "", 0},
    {NoId, K::Label, "Outs:", 195, 75, 16, 9, NoStyle, "", 0},
    {NoId, K::Label, "Run Level:", 241, 23, 37, 8, NoStyle, "", 0},
    {NoId, K::Label, "Hit Level:", 243, 33, 32, 8, NoStyle, "", 0},
    {1006, K::Label, "1", 277, 23, 10, 8, NoStyle, "HumanRunLevel", 0},
    {1007, K::Label, "1", 276, 34, 10, 8, NoStyle, "HumanHitLevel", 0},
    {NoId, K::Label, "Run Level:", 241, 65, 35, 8, NoStyle, "", 0},
    {NoId, K::Label, "Hit Level:", 243, 75, 32, 8, NoStyle, "", 0},
    {NoId, K::Label, "Catch Level:", 287, 75, 41, 8, NoStyle, "", 0},
    {NoId, K::Label, "Pitch Level:", 288, 65, 37, 8, NoStyle, "", 0},
    {NoId, K::Picture, "129", 14, 15, 167, 160, NoStyle, "", BitmapField},
    {ids::ThirdBasePicture, K::Picture, "131", 14, 77, 32, 30, NoStyle, "ThirdBasePicture", BitmapEmptyBase},
    {ids::SecondBasePicture, K::Picture, "131", 82, 15, 32, 30, NoStyle, "SecondBasePicture", BitmapEmptyBase},
    {ids::BatterPicture, K::Picture, "130", 79, 145, 32, 30, NoStyle, "BatterPicture", BitmapOccupiedBase},
    {ids::FirstBasePicture, K::Picture, "131", 149, 80, 32, 30, NoStyle, "FirstBasePicture", BitmapEmptyBase},
    {NoId, K::Label, "Pitch Level:", 288, 23, 37, 8, NoStyle, "", 0},
    {NoId, K::Label, "Catch Level:", 287, 33, 41, 8, NoStyle, "", 0},
    {NoId, K::GroupBox, "Monster Stats:", 238, 55, 103, 36, NoStyle, "", 0},
    {ids::BallPicture, K::Picture, "132", 83, 118, 28, 26, Hidden, "BallPicture", BitmapBall},
    {ids::AboutButton, K::PushButton, "&Help/About", 190, 135, 149, 18, TabStop, "AboutButton", 0},
}};

constexpr std::array<DialogControl, 5> SkillControls{{
    {ids::Ok, K::PushButton, "OK", 7, 112, 124, 14, DefaultButton | TabStop | Disabled, "OkButton", 0},
    {ids::RunLevel, K::RadioButton, "RUN LEVEL: Improves chance of scoring a double or triple.", 7, 14, 115, 19, MultiLine, "", 0},
    {ids::HitLevel, K::RadioButton, "HIT LEVEL: Improves chance of hitting the ball.", 7, 35, 124, 19, MultiLine, "", 0},
    {ids::PitchLevel, K::RadioButton, "PITCH LEVEL: Improves chance of striking out the batter.", 7, 56, 124, 21, MultiLine, "", 0},
    {ids::CatchLevel, K::RadioButton, "CATCH LEVEL: Improves chance of catching the ball and causing an out.", 7, 81, 124, 24, MultiLine, "", 0},
}};

constexpr std::array<DialogControl, 9> BattleControls{{
    {NoId, K::Label, "Monster HP:", 7, 14, 41, 10, NoStyle, "", 0},
    {NoId, K::Label, "Your HP:", 18, 33, 30, 10, NoStyle, "", 0},
    {ids::MonsterHp, K::Label, "50", 48, 14, 11, 10, NoStyle, "MonsterHp", 0},
    {ids::HumanHp, K::Label, "50", 48, 33, 11, 10, NoStyle, "HumanHp", 0},
    {ids::Attack, K::PushButton, "&Attack!", 63, 30, 39, 20, TabStop, "", 0},
    {ids::SurrenderBase, K::PushButton, "&Surrender Base", 139, 30, 40, 20, TabStop | MultiLine, "", 0},
    {ids::BattleMessage, K::Label, "", 63, 13, 95, 17, NoStyle, "BattleMessage", 0},
    {NoId, K::Icon, "128", 158, 7, 20, 20, NoStyle, "", IconProgram},
    {ids::ReturnToBase, K::PushButton, "&Return to Base", 103, 30, 36, 20, TabStop | MultiLine | Disabled, "ReturnToBaseButton", 0},
}};

constexpr DialogTemplate About{100, "About Pennantry", 235, 68, "MS Sans Serif", 8, SystemMenu | ToolWindow, AboutControls};
constexpr DialogTemplate Main{102, "Pennantry version 1.0", 359, 191, "MS Sans Serif", 8, SystemMenu | MinimizeBox | AppWindow, MainControls};
constexpr DialogTemplate SkillUpgrade{134, "Skill Upgrade", 138, 133, "MS Sans Serif", 8, NoStyle, SkillControls};
constexpr DialogTemplate Battle{135, "Pennantry: Battle", 186, 57, "MS Sans Serif", 8, SystemMenu, BattleControls};

}  // namespace

const DialogTemplate& AboutTemplate() { return About; }
const DialogTemplate& MainWindowTemplate() { return Main; }
const DialogTemplate& SkillUpgradeTemplate() { return SkillUpgrade; }
const DialogTemplate& BattleTemplate() { return Battle; }

const DialogControl* FindControl(const DialogTemplate& dialog, int id)
{
    for (const auto& control : dialog.Controls)
        if (control.Id == id)
            return &control;
    return nullptr;
}

}  // namespace pennantry
