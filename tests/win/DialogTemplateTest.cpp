// The in-memory templates read back item by item: the table's identifiers, rectangles, texts and styles.
#include <gtest/gtest.h>

#include <tuple>

#include "DialogTemplate.h"

namespace pennantry {
namespace {

// Reads a zero-ended UTF-16 text, or an ordinal as "#n", and moves past it.
std::string Take(const WORD*& at)
{
    if (*at == 0xFFFF) {
        const std::string ordinal = "#" + std::to_string(at[1]);
        at += 2;
        return ordinal;
    }
    std::string text;
    while (*at != 0)
        text += static_cast<char>(*at++);
    ++at;
    return text;
}

TEST(DialogTemplateTest, EveryControlOfTheFourTablesComesBackAsWritten)
{
    for (const DialogTemplate* dialog : {&AboutTemplate(), &MainWindowTemplate(), &SkillUpgradeTemplate(), &BattleTemplate()}) {
        const std::vector<WORD> built = BuildDialogTemplate(*dialog);
        const WORD* at = built.data();
        const auto* head = reinterpret_cast<const DLGTEMPLATE*>(at);
        ASSERT_EQ(head->cdit, dialog->Controls.size());
        EXPECT_EQ(head->cx, dialog->Width);
        EXPECT_EQ(head->cy, dialog->Height);
        // Each window style of the table reaches its own bit, extended or not.
        for (const auto& [flag, bit, extended] : {std::tuple{SystemMenu, DWORD(WS_SYSMENU), false}, {MinimizeBox, WS_MINIMIZEBOX, false},
                                                  {ToolWindow, WS_EX_TOOLWINDOW, true}, {AppWindow, WS_EX_APPWINDOW, true}})
            EXPECT_EQ(((extended ? head->dwExtendedStyle : head->style) & bit) != 0, (dialog->Style & flag) != 0) << bit;
        at += sizeof(DLGTEMPLATE) / sizeof(WORD);
        Take(at);  // menu
        Take(at);  // class
        EXPECT_EQ(Take(at), dialog->Caption);
        EXPECT_EQ(*at++, dialog->FontPoints);
        EXPECT_EQ(Take(at), dialog->FontFace);

        int groups = 0;
        for (const DialogControl& control : dialog->Controls) {
            if ((at - built.data()) % 2)
                ++at;
            const auto* item = reinterpret_cast<const DLGITEMTEMPLATE*>(at);
            SCOPED_TRACE(std::string(dialog->Caption) + " control " + std::to_string(control.Id));
            EXPECT_EQ(static_cast<short>(item->id), control.Id);
            EXPECT_EQ(item->x, control.X);
            EXPECT_EQ(item->y, control.Y);
            EXPECT_EQ(item->cx, control.Width);
            EXPECT_EQ(item->cy, control.Height);
            EXPECT_EQ((item->style & WS_VISIBLE) == 0, (control.Style & Hidden) != 0);
            EXPECT_EQ((item->style & WS_DISABLED) != 0, (control.Style & Disabled) != 0);
            EXPECT_EQ((item->style & WS_TABSTOP) != 0, (control.Style & TabStop) != 0);
            if (control.Kind == ControlKind::PushButton) {
                EXPECT_EQ(item->style & 0xF, (control.Style & DefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
            }
            // Multi-line is a button's bit; notify and sunken are a static's.
            const bool button = control.Kind == ControlKind::PushButton || control.Kind == ControlKind::RadioButton;
            EXPECT_EQ((item->style & (button ? BS_MULTILINE : SS_NOTIFY)) != 0, (control.Style & (button ? MultiLine : Notify)) != 0);
            EXPECT_EQ(!button && (item->style & SS_SUNKEN) != 0, (control.Style & Sunken) != 0);
            groups += (item->style & WS_GROUP) != 0;
            at += sizeof(DLGITEMTEMPLATE) / sizeof(WORD);
            Take(at);  // class
            EXPECT_EQ(Take(at), control.Resource ? "#" + std::to_string(control.Resource) : std::string(control.Text));
            ++at;  // creation data
        }
        // The skill dialog's four choices are one group; no other dialog has one.
        EXPECT_EQ(groups, dialog == &SkillUpgradeTemplate() ? 1 : 0);
    }
}

}  // namespace
}  // namespace pennantry
