// The dialogs as Wine draws them, on a display of their own: each text in the dialog's own font
// within its control, and a picture over the field showing the field through its clear pixels.
#include <gtest/gtest.h>

#include <string>

#include "DialogTemplate.h"
#include "Picture.h"

namespace pennantry {
namespace {

INT_PTR CALLBACK Ignore(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Each label's text, and for a label the game fills, two digits: one line of the dialog's font
// within the rectangle the dialog manager gives the control.
TEST(DialogLookTest, EveryLabelFitsItsControlInTheDialogFont)
{
    // The tables' face, and one the system lacks, for which the dialogs pick another of their own.
    for (const std::string_view face : {AboutTemplate().FontFace, std::string_view("No Such Face")})
    for (DialogTemplate dialog : {AboutTemplate(), MainWindowTemplate(), SkillUpgradeTemplate(), BattleTemplate()}) {
        dialog.FontFace = face;
        const std::vector<WORD> layout = BuildDialogTemplate(dialog);
        HWND window = CreateDialogIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(layout.data()), nullptr, Ignore, 0);
        ASSERT_NE(window, nullptr);
        HDC context = GetDC(window);
        SelectObject(context, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
        // The units the pictures are drawn for.
        RECT unit{0, 0, 4, 8};
        MapDialogRect(window, &unit);
        EXPECT_TRUE(unit.right == 6 && unit.bottom == 13) << face << ": " << unit.right << " x " << unit.bottom;
        for (const DialogControl& control : dialog.Controls) {
            if (control.Kind != ControlKind::Label)
                continue;
            RECT room{control.X, control.Y, control.X + control.Width, control.Y + control.Height};
            MapDialogRect(window, &room);
            for (const std::string_view text : {control.Text, control.Member.empty() ? control.Text : "10"}) {
                SIZE size{};
                GetTextExtentPoint32A(context, text.data(), static_cast<int>(text.size()), &size);
                EXPECT_TRUE(size.cx <= room.right - room.left && size.cy <= room.bottom - room.top)
                    << '"' << text << "\" of " << dialog.Caption << " in " << face << " needs " << size.cx << " x " << size.cy;
            }
        }
        ReleaseDC(window, context);
        DestroyWindow(window);
    }
}

// The ball as the window lays it over the field, across the field's edges: each clear pixel shows
// what lies beneath (the field, or beyond its edge the window's face), each other the ball's own.
TEST(DialogLookTest, TheBallShowsTheFieldThroughItsClearPixels)
{
    const auto load = [](const char* name) {
        return static_cast<HBITMAP>(LoadImageA(nullptr, (std::string(PENNANTRY_ART) + name).c_str(), IMAGE_BITMAP, 0, 0,
                                               LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    };
    HBITMAP field = load("bitmap129.bmp"), ball = load("bitmap132.bmp");
    HDC context = CreateCompatibleDC(nullptr);
    // A pixel's colour, CLR_INVALID beyond the bitmap.
    const auto pixel = [&](HBITMAP bitmap, int x, int y) {
        HGDIOBJ before = SelectObject(context, bitmap);
        const COLORREF colour = GetPixel(context, x, y);
        SelectObject(context, before);
        return colour;
    };
    for (const POINT at : {POINT{-30, -30}, POINT{230, 240}}) {
        HBITMAP drawn = OverField(field, ball, at);
        int clear = 0;
        for (int y = 0; pixel(ball, 0, y) != CLR_INVALID; ++y)
            for (int x = 0; pixel(ball, x, y) != CLR_INVALID; ++x) {
                const COLORREF own = pixel(ball, x, y), beneath = pixel(field, at.x + x, at.y + y);
                clear += own == ClearColour;
                ASSERT_EQ(pixel(drawn, x, y), own != ClearColour ? own : beneath != CLR_INVALID ? beneath : GetSysColor(COLOR_3DFACE))
                    << x << ", " << y << " at " << at.x << ", " << at.y;
            }
        EXPECT_GT(clear, 0);  // none where the art is missing, or its clear pixels lost
        DeleteObject(drawn);
    }
    DeleteDC(context);
    DeleteObject(field);
    DeleteObject(ball);
}

}  // namespace
}  // namespace pennantry
