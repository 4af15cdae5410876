// The program's pictures as the main window shows them: laid over the field they stand on.
#pragma once

#include <windows.h>

namespace pennantry {

// The colour png2res.py gives a picture's clear pixels; no drawn pixel has it.
inline constexpr COLORREF ClearColour = RGB(255, 0, 255);

// A bitmap of the resources as the resource holds it, so that its pixels read back as drawn
// whatever the screen's depth; the caller deletes it.
HBITMAP LoadPicture(int number);

// The picture with its clear pixels filled from the field beneath, the picture's corner lying at
// `at` in the field's pixels; beyond the field's edge, the window's face. A static control draws
// its bitmap whole, so what shows through must already be in it. The caller deletes the result.
HBITMAP OverField(HBITMAP field, HBITMAP picture, POINT at);

}  // namespace pennantry
