// GDI objects of the headless window system: fonts (a LOGFONTW each, with a
// fixed character metric) and bitmaps (a size each, no pixels).
#pragma once

#include "win_api/user32.h"

namespace kvr::headless {

// A font's character cell as the text layout uses it: every character is
// averageWidth wide, every line height tall.
struct FontMetrics {
    int height = 16;
    int averageWidth = 8;
};

// The metric of a font; the stock system font's for null or unknown handles.
FontMetrics fontMetrics(HFONT font);

// The description of a live font (the stock system font's for null).
bool fontDescription(HFONT font, LOGFONTW* out);
bool isLiveFont(HGDIOBJ object);

// The font a device context starts with; never deleted.
HFONT stockSystemFont();

HBITMAP createBitmap(int width, int height);
bool isLiveBitmap(HGDIOBJ object);
bool bitmapSize(HBITMAP bitmap, int* width, int* height);

// Win32's MulDiv: a * b / c, rounded half away from zero.
int mulDiv(int a, int b, int c);

}  // namespace kvr::headless
