// The dialogs as Wine draws them, on a display of their own: a picture over the field showing the
// field through its clear pixels.
#include <gtest/gtest.h>

#include <string>

#include "Picture.h"

namespace pennantry {
namespace {

// The ball as the window lays it over the field: its corners show what lies beneath (the field,
// or beyond its edge the window's face), its middle the ball itself.
TEST(DialogLookTest, TheBallShowsTheFieldAtItsCorners)
{
    const auto load = [](const char* name) {
        return static_cast<HBITMAP>(LoadImageA(nullptr, (std::string(PENNANTRY_ART) + name).c_str(), IMAGE_BITMAP, 0, 0,
                                               LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    };
    HBITMAP field = load("bitmap129.bmp");
    HBITMAP ball = load("bitmap132.bmp");
    ASSERT_TRUE(field != nullptr && ball != nullptr);
    HDC context = CreateCompatibleDC(nullptr);
    const auto pixel = [&](HBITMAP bitmap, int x, int y) {
        HGDIOBJ before = SelectObject(context, bitmap);
        const COLORREF colour = GetPixel(context, x, y);
        SelectObject(context, before);
        return colour;
    };
    for (const POINT at : {POINT{100, 150}, POINT{-30, -30}}) {
        HBITMAP drawn = OverField(field, ball, at);
        const COLORREF beneath = at.x < 0 ? GetSysColor(COLOR_3DFACE) : pixel(field, at.x, at.y);
        EXPECT_EQ(pixel(drawn, 0, 0), beneath);
        EXPECT_EQ(pixel(drawn, 21, 21), pixel(ball, 21, 21));
        EXPECT_NE(pixel(drawn, 21, 21), beneath);
        DeleteObject(drawn);
    }
    DeleteDC(context);
    DeleteObject(field);
    DeleteObject(ball);
}

}  // namespace
}  // namespace pennantry
