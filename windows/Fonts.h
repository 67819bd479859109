#pragma once
// The program's fonts, made for a given DPI.
#include "ui/Handles.h"

#include <windows.h>

// "MS Sans Serif" 8 pt, Central European: the default of every control.
// A reading box that cannot show its whole text asks for a smaller size.
constexpr int DefaultCentiPoints = 800;
UniqueFont MakeDefaultFont(UINT dpi, int centiPoints = DefaultCentiPoints);
// "MS Sans Serif" 9.75 pt bold, Central European.
UniqueFont MakeBoldFont(UINT dpi);
// "Arial" 36 pt bold, Central European: the life number.
UniqueFont MakeNumberFont(UINT dpi);
