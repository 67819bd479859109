#pragma once
// Layout positions are designed in twips; on screen they are pixels at the
// screen's DPI (15 twips to a pixel at 96 DPI).
#include <windows.h>

struct TwipsRect {
    int left, top, width, height;
};

// Pixels for a length in twips at this DPI.
int Px(int twips, UINT dpi);

// At 96 DPI every layout value is a whole pixel; elsewhere rounding may go
// either way by one pixel.
int Tolerance(UINT dpi);

// Fails the test when the ctest entry asked for another DPI than the screen has.
void ExpectScreenDpiAsConfigured();

void ExpectRect(const RECT& actual, const TwipsRect& designed, UINT dpi);

// The client area as designed: to the pixel at 96 and 144 DPI (376 x 233 and
// 564 x 350 for the main window), within a pixel elsewhere.
void ExpectClientArea(HWND window, int widthTwips, int heightTwips, UINT dpi);
void ExpectTopLeft(const RECT& actual, const TwipsRect& designed, UINT dpi);
