#pragma once
#include <windows.h>

// Gives a child control a tool tip; the tip window belongs to `owner` and
// is destroyed with it.
void AddTooltip(HWND owner, HWND tool, const wchar_t* text);
