// The templates' tables, control by control in template order.
#include "DialogTemplates.h"

#include <array>

namespace pennantry {
namespace {

using K = ControlKind;

// A scoreboard field's label, the static text that captions it and the group box that holds it:
// the id and the captions come from the field labels' table, the layout from here.
constexpr DialogControl Field(std::string_view name, std::string_view text, int x, int y, int width)
{
    return {LabelOf(name).Label, K::Label, text, x, y, width, 8, NoStyle, name, 0};
}
constexpr DialogControl Caption(std::string_view name, int x, int y, int width, int height)
{
    return {NoId, K::Label, LabelOf(name).Caption, x, y, width, height, NoStyle, "", 0};
}
constexpr DialogControl Group(std::string_view name, int x, int y, int width, int height)
{
    return {NoId, K::GroupBox, LabelOf(name).Group, x, y, width, height, NoStyle, "", 0};
}

constexpr std::array<DialogControl, 3> AboutControls{{
    {ids::AboutIcon, K::Icon, "128", 7, 14, 21, 20, Notify | Sunken, "", IconProgram},
    {NoId, K::Label, "Pennantry Version 1.0", 40, 10, 119, 8, NoStyle, "", 0},
    {ids::Ok, K::PushButton, "OK", 178, 7, 50, 17, DefaultButton | TabStop, "", 0},
}};

constexpr std::array<DialogControl, 42> MainControls{{
    {ids::SwingButton, K::PushButton, "&Ready to Swing", 190, 96, 150, 19, Disabled | MultiLine | TabStop, "", 0},
    {ids::PitchButton, K::PushButton, "&Pitch", 190, 115, 149, 19, TabStop, "", 0},
    {ids::SaveExitButton, K::PushButton, "Save && &Exit", 189, 153, 149, 18, TabStop, "", 0},
    Field("HumansScore", "0", 217, 23, 10),
    Field("MonstersScore", "0", 219, 34, 10),
    Field("Inning", "1", 215, 45, 8),
    Field("InningHalf", "T", 223, 45, 8),
    Field("Strikes", "0", 215, 56, 8),
    Field("Balls", "0", 214, 67, 8),
    Field("Outs", "0", 214, 76, 8),
    Field("HumanPitchLevel", "1", 327, 23, 10),
    Field("HumanCatchLevel", "1", 328, 33, 10),
    Field("MonsterHitLevel", "1", 276, 75, 10),
    Field("MonsterRunLevel", "1", 277, 65, 10),
    Field("MonsterPitchLevel", "1", 327, 65, 10),
    Field("MonsterCatchLevel", "1", 329, 75, 10),
    Group("HumanRunLevel", 238, 13, 103, 36),
    Group("HumansScore", 185, 15, 47, 72),
    Caption("HumansScore", 187, 23, 30, 9),
    Caption("MonstersScore", 187, 34, 32, 9),
    Caption("Inning", 192, 45, 23, 8),
    Caption("Strikes", 189, 56, 26, 8),
    Caption("Balls", 195, 66, 18, 9),
    Caption("Outs", 195, 75, 19, 9),
    Caption("HumanRunLevel", 241, 23, 37, 8),
    Caption("HumanHitLevel", 243, 33, 32, 8),
    Field("HumanRunLevel", "1", 277, 23, 10),
    Field("HumanHitLevel", "1", 276, 34, 10),
    Caption("MonsterRunLevel", 241, 65, 35, 8),
    Caption("MonsterHitLevel", 243, 75, 32, 8),
    Caption("MonsterCatchLevel", 287, 75, 41, 8),
    Caption("MonsterPitchLevel", 288, 65, 39, 8),
    {NoId, K::Picture, "129", 14, 15, 167, 160, NoStyle, "", BitmapField},
    {ids::ThirdBasePicture, K::Picture, "131", 14, 77, 32, 30, NoStyle, "ThirdBasePicture", BitmapEmptyBase},
    {ids::SecondBasePicture, K::Picture, "131", 82, 15, 32, 30, NoStyle, "SecondBasePicture", BitmapEmptyBase},
    {ids::BatterPicture, K::Picture, "130", 79, 145, 32, 30, NoStyle, "BatterPicture", BitmapOccupiedBase},
    {ids::FirstBasePicture, K::Picture, "131", 149, 80, 32, 30, NoStyle, "FirstBasePicture", BitmapEmptyBase},
    Caption("HumanPitchLevel", 288, 23, 39, 8),
    Caption("HumanCatchLevel", 287, 33, 41, 8),
    Group("MonsterRunLevel", 238, 55, 103, 36),
    {ids::BallPicture, K::Picture, "132", 83, 118, 28, 26, Hidden, "BallPicture", BitmapBall},
    {ids::AboutButton, K::PushButton, "&Help/About", 190, 135, 149, 18, TabStop, "", 0},
}};

constexpr std::array<DialogControl, 5> SkillControls{{
    {ids::Ok, K::PushButton, "OK", 7, 112, 124, 14, DefaultButton | TabStop | Disabled, "", 0},
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
    {ids::ReturnToBase, K::PushButton, "&Return to Base", 103, 30, 36, 20, TabStop | MultiLine | Disabled, "", 0},
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
