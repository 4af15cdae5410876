// The four dialog templates and the program's fixed strings, as data shared by every view.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace pennantry {

enum class ControlKind {
    PushButton,
    Label,       // a left-aligned static text; bound to a field where Member is set
    GroupBox,
    Picture,     // a static bitmap; takes the size of its bitmap
    Icon,        // a static icon
    RadioButton, // automatic; the four of one dialog form one group
};

// Style flags of a control.
enum ControlStyle : unsigned {
    NoStyle = 0,
    Disabled = 1u << 0,
    Hidden = 1u << 1,
    MultiLine = 1u << 2,
    TabStop = 1u << 3,
    DefaultButton = 1u << 4,
    Sunken = 1u << 5,
    Notify = 1u << 6,  // reports clicks to the dialog
};

// Style flags of a dialog window.
enum DialogStyle : unsigned {
    SystemMenu = 1u << 0,
    MinimizeBox = 1u << 1,
    ToolWindow = 1u << 2,  // small title bar, no taskbar button
    AppWindow = 1u << 3,   // a taskbar button of its own
};

inline constexpr int NoId = -1;

// One control: its identifier, kind, text (for a picture or icon, the resource number as text),
// rectangle in dialog units, styles, and the name a view binds it to ("" when none): a
// scoreboard field's name for its label (from the scoreboard's table), else a picture's or a
// battle label's.
struct DialogControl {
    int Id;
    ControlKind Kind;
    std::string_view Text;
    int X, Y, Width, Height;
    unsigned Style;
    std::string_view Member;
    int Resource;  // bitmap or icon number for pictures and icons, else 0
};

struct DialogTemplate {
    int Id;
    std::string_view Caption;
    int Width, Height;  // dialog units
    std::string_view FontFace;
    int FontPoints;
    unsigned Style;
    std::span<const DialogControl> Controls;  // template order, which is the tab order
};

// Where the main window shows a scoreboard field, by the field's name: its label's identifier,
// the static text that captions it and the group box that holds it.
struct FieldLabel {
    std::string_view Name;
    int Label;
    std::string_view Caption;
    std::string_view Group;
};

inline constexpr std::array<FieldLabel, 15> FieldLabels{{
    {"Balls", 1021, "Balls:", "Score:"},
    {"HumanCatchLevel", 1009, "Catch Level:", "Human Stats:"},
    {"HumanHitLevel", 1007, "Hit Level:", "Human Stats:"},
    {"HumanPitchLevel", 1008, "Pitch Level:", "Human Stats:"},
    {"HumanRunLevel", 1006, "Run Level:", "Human Stats:"},
    {"HumansScore", 1004, "Humans:", "Score:"},
    {"Inning", 1018, "Inning:", "Score:"},
    // The half sits just right of the inning, under the same caption.
    {"InningHalf", 1019, "Inning:", "Score:"},
    {"MonsterCatchLevel", 1013, "Catch Level:", "Monster Stats:"},
    {"MonsterHitLevel", 1011, "Hit Level:", "Monster Stats:"},
    {"MonsterPitchLevel", 1012, "Pitch Level:", "Monster Stats:"},
    {"MonsterRunLevel", 1010, "Run Level:", "Monster Stats:"},
    {"MonstersScore", 1005, "Monsters:", "Score:"},
    {"Outs", 1022, "Outs:", "Score:"},
    {"Strikes", 1020, "Strikes:", "Score:"},
}};

// The label of the field of that name; the first row for a name that has none.
constexpr const FieldLabel& LabelOf(std::string_view name)
{
    for (const auto& field : FieldLabels)
        if (field.Name == name)
            return field;
    return FieldLabels[0];
}

const DialogTemplate& AboutTemplate();        // 100
const DialogTemplate& MainWindowTemplate();   // 102
const DialogTemplate& SkillUpgradeTemplate(); // 134
const DialogTemplate& BattleTemplate();       // 135

// The control of a template with the given identifier, or nullptr.
const DialogControl* FindControl(const DialogTemplate& dialog, int id);

// Resource numbers.
inline constexpr int IconProgram = 128;
inline constexpr int BitmapField = 129;
inline constexpr int BitmapOccupiedBase = 130;
inline constexpr int BitmapEmptyBase = 131;
inline constexpr int BitmapBall = 132;

// String 101: the system-menu item that opens the About box.
inline constexpr std::string_view AboutMenuText = "&About Pennantry...";

// The box a click on the About box's icon shows.
inline constexpr std::string_view AboutIconText = "All your bases are belong to me! Muahahaha!!!";
inline constexpr std::string_view AboutIconCaption = "You have no chance to survive make your time!";

// Control identifiers the code refers to.
namespace ids {
inline constexpr int Ok = 1;
inline constexpr int BatterPicture = 1000;
inline constexpr int FirstBasePicture = 1001;
inline constexpr int SecondBasePicture = 1002;
inline constexpr int ThirdBasePicture = 1003;
inline constexpr int SwingButton = 1014;
inline constexpr int SaveExitButton = 1015;
inline constexpr int PitchButton = 1016;
inline constexpr int AboutButton = 1017;
inline constexpr int BallPicture = 1023;
inline constexpr int RunLevel = 1024;
inline constexpr int HitLevel = 1025;
inline constexpr int PitchLevel = 1026;
inline constexpr int CatchLevel = 1027;
inline constexpr int MonsterHp = 1029;
inline constexpr int HumanHp = 1030;
inline constexpr int Attack = 1031;
inline constexpr int ReturnToBase = 1032;
inline constexpr int BattleMessage = 1033;
inline constexpr int SurrenderBase = 1034;
inline constexpr int AboutIcon = 1035;
}  // namespace ids

}  // namespace pennantry
