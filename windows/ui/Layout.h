#pragma once
// Window layouts as data, in twips; turned into pixels only when placed.
#include <windows.h>

// The font a control gets from its window: the window's normal text, its
// bold text, or its one large font.
enum class FontRole { Normal, Bold, Large };

enum class Fit {
    Fixed,             // keeps its box
    ToText,            // takes its text's size from its top-left corner
    ToTextKeepCentre,  // takes its text's size around its centre
    FontToText,        // keeps its box; its window shrinks the font until the text fits
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

// The row of a layout table (of ControlSpecs or rows derived from them) for
// the control with this id, or null.
template <class Table>
const typename Table::value_type* FindRow(const Table& table, int id)
{
    for (const auto& row : table) {
        if (row.id == id) return &row;
    }
    return nullptr;
}

struct LineSpec {
    int x1, y1, x2, y2;  // twips
};

// A child window's box in its parent's client coordinates.
RECT RectInParent(HWND child);

// Creates a visible child control with its font, born in its final place
// for the DPI: a text-sized one is measured in that font first, so nothing
// moves it afterwards.
HWND CreateControl(HWND parent, const ControlSpec& design, UINT dpi, HFONT font);

// Places a control for the given DPI; text-sized ones are measured in their
// current font, so set fonts first.
void PlaceControl(HWND control, const ControlSpec& design, UINT dpi);
