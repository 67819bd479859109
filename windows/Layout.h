#pragma once
// Window layouts as data, in twips; turned into pixels only when placed.
#include <windows.h>

#include <cstddef>
#include <vector>

enum class FontRole { Default, Bold, Number };

enum class Fit {
    Fixed,              // keeps its box
    ToText,             // takes its text's size from its top-left corner
    ToTextKeepCentre,   // takes its text's size around its centre
};

struct ControlSpec {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    int left, top, width, height;  // twips
    FontRole font;
    Fit fit;
};

struct LineSpec {
    int x1, y1, x2, y2;  // twips
};

// Creates the controls in table order, which is also the tab order, in their
// boxes as designed for the DPI.
std::vector<HWND> CreateControls(HWND parent, const ControlSpec* designs, std::size_t count, UINT dpi);

// Places a control for the given DPI; text-sized ones are measured in their
// current font, so set fonts first.
void PlaceControl(HWND control, const ControlSpec& design, UINT dpi);

// The fonts a window hands its controls, by role.
struct FontSet {
    HFONT normal;
    HFONT bold;
    HFONT number;
};

// Gives every control the font of its role, then places it for the DPI.
void ApplyLayout(const std::vector<HWND>& controls, const ControlSpec* designs, const FontSet& fonts,
                 UINT dpi);

// On WM_DPICHANGED: keeps the top-left corner Windows suggests.
void MoveToSuggestedCorner(HWND window, LPARAM suggestedRect);
