#pragma once
// The main window's layout, in twips.
#include "Layout.h"

#include <array>

namespace Form1Layout {

constexpr int ClientWidth = 5640;
constexpr int ClientHeight = 3495;

// Index of each control in Controls (creation and tab order).
enum Index {
    Label1, Combo1, Label2, Combo2, Label3, Combo3, Label7,
    Text1, Label8, Text2, Label4, Label5, Label6, Count
};

extern const std::array<ControlSpec, Count> Controls;
extern const std::array<LineSpec, 8> Lines;

}  // namespace Form1Layout
