#pragma once
// Everything about screen density lives here: layouts are in twips and
// become pixels only through these functions.
#include <windows.h>

constexpr int TwipsPerInch = 1440;

// The DPI brought within what monitors report (50 % to 1600 %): a stray
// value must not size anything to nothing or to more than memory holds.
UINT ClampDpi(UINT dpi);

int TwipsToPixels(int twips, UINT dpi);
// A font height in logical units for a size given in hundredths of a point.
int FontHeight(int centiPoints, UINT dpi);

// Asks for per-monitor-v2 awareness; where the call is missing or refused
// (Wine starts processes aware already) the manifest's setting stands.
void EnablePerMonitorDpiAwareness();

// Both clamped.
UINT DpiOfWindow(HWND hwnd);
// The DPI a window created now would get (the primary monitor's).
UINT SystemDpi();

// The outer size of a window whose client area is width x height twips.
SIZE OuterSizeForClient(int widthTwips, int heightTwips, DWORD style, DWORD exStyle, UINT dpi);
