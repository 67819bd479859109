#pragma once
// The main window's layout, in twips.
#include "Layout.h"

#include <array>

namespace Form1Layout {

constexpr int ClientWidth = 5640;
constexpr int ClientHeight = 3495;

// Index of each control in Controls (creation and tab order).
enum Index {
    Label1, Combo1, Label2, Combo2, Label3, Combo3, Label4,
    Text1, Label5, Text2, Label6, Label7, Label8, Count
};

extern const std::array<ControlSpec, Count> Controls;
extern const std::array<LineSpec, 8> Lines;

}  // namespace Form1Layout
