#pragma once
#include <windows.h>

// Gives a child control a tool tip; the tip window belongs to `owner` and
// is destroyed with it. Where no tip can be made, the control goes without.
void AddTooltip(HWND owner, HWND tool, const wchar_t* text);
