#pragma once
// The program's fonts, made for a given DPI.
#include "ui/Handles.h"

#include <windows.h>

// The font of every control without one of its own. A reading box that
// cannot show its whole text asks for a smaller size.
constexpr int NormalCentiPoints = 800;
UniqueFont MakeNormalFont(UINT dpi, int centiPoints = NormalCentiPoints);
// The same faces at any size and weight, for the printed page.
UniqueFont MakeTextFont(UINT dpi, int centiPoints, int weight);
UniqueFont MakeBoldFont(UINT dpi);
// The life number.
UniqueFont MakeNumberFont(UINT dpi);
