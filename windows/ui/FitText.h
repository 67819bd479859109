#pragma once
// A multi-line edit box with no scroll bars that must show its whole text.
#include "ui/Handles.h"

#include <windows.h>

#include <functional>

// Gives the box its design font, then, while the text needs more lines than
// the box shows, a font a point smaller each time, down to `smallest`
// hundredths of a point. Returns the smaller font the box now uses (the
// caller keeps it while the box does), or nothing when the design font fits.
UniqueFont FitTextToBox(HWND edit, HFONT designFont, int designCentiPoints, int smallestCentiPoints,
                        const std::function<UniqueFont(int centiPoints)>& makeFont);
