#pragma once
// The program's fonts, made for a given DPI.
#include "Handles.h"

#include <windows.h>

// "MS Sans Serif" 8 pt, Central European: the default of every control.
UniqueFont MakeDefaultFont(UINT dpi);
// "MS Sans Serif" 9.75 pt bold, Central European.
UniqueFont MakeBoldFont(UINT dpi);
// "Arial" 36 pt bold, Central European: the life number.
UniqueFont MakeNumberFont(UINT dpi);
