// The program's pictures as the main window shows them: laid over the field they stand on.
#include "Picture.h"

#include <vector>

namespace pennantry {

namespace {

// A bitmap's pixels at 32 bits, top row first, as 0x00RRGGBB.
struct Pixels {
    int Width = 0;
    int Height = 0;
    std::vector<DWORD> Values;

    DWORD At(int x, int y) const { return Values[static_cast<std::size_t>(y * Width + x)]; }
};

BITMAPINFO TopDown(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

Pixels Read(HBITMAP bitmap)
{
    Pixels pixels;
    BITMAP shape{};
    if (GetObjectA(bitmap, sizeof shape, &shape) == 0)
        return pixels;
    pixels.Width = shape.bmWidth;
    pixels.Height = shape.bmHeight;
    pixels.Values.resize(static_cast<std::size_t>(shape.bmWidth) * static_cast<std::size_t>(shape.bmHeight));
    BITMAPINFO info = TopDown(shape.bmWidth, shape.bmHeight);
    HDC context = CreateCompatibleDC(nullptr);
    GetDIBits(context, bitmap, 0, static_cast<UINT>(shape.bmHeight), pixels.Values.data(), &info, DIB_RGB_COLORS);
    DeleteDC(context);
    for (DWORD& value : pixels.Values)
        value &= 0xFFFFFF;
    return pixels;
}

DWORD FromColour(COLORREF colour) { return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour); }

}  // namespace

HBITMAP LoadPicture(int number)
{
    return static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(number), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HBITMAP OverField(HBITMAP field, HBITMAP picture, POINT at)
{
    const Pixels beneath = Read(field);
    const Pixels over = Read(picture);
    const BITMAPINFO info = TopDown(over.Width, over.Height);
    void* bits = nullptr;
    HBITMAP drawn = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (drawn == nullptr)
        return nullptr;
    const DWORD clear = FromColour(ClearColour);
    const DWORD face = FromColour(GetSysColor(COLOR_3DFACE));
    auto* out = static_cast<DWORD*>(bits);
    for (int y = 0; y < over.Height; ++y) {
        for (int x = 0; x < over.Width; ++x) {
            DWORD value = over.At(x, y);
            if (value == clear) {
                const int fx = at.x + x;
                const int fy = at.y + y;
                value = fx >= 0 && fy >= 0 && fx < beneath.Width && fy < beneath.Height ? beneath.At(fx, fy) : face;
            }
            // No alpha: the current common controls would draw a picture with one by it, from a
            // copy of their own.
            *out++ = value;
        }
    }
    return drawn;
}

}  // namespace pennantry
