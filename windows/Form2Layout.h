#pragma once
// The about window's layout and texts, in twips.
#include "Layout.h"

#include <array>

namespace Form2Layout {

constexpr int ClientWidth = 4050;
constexpr int ClientHeight = 2550;
// The program icon in Image2 and in the caption, at its own size.
constexpr int IconTwips = 480;
constexpr int SmallIconTwips = 240;

// Index of each control in Controls. Children created later sit lower in
// the stacking order, so Image2 comes last: under the labels.
enum Index { Label1, Label2, Label3, Label4, Label5, Label6, Image2, Count };

extern const std::array<ControlSpec, Count> Controls;

extern const wchar_t Label4Tip[];
extern const wchar_t Image2Tip[];

}  // namespace Form2Layout
