#pragma once
// What the Windows tests do to the program's windows: real input through
// SendInput, picks with the messages a real pick sends, and the program's
// own message loop to hand on what reaches this process.
#include "ui/ComboBox.h"
#include "ui/Font.h"
#include "ui/Text.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace harness {

// Hands every queued message to the program's dispatch until none is left
// for `quietMs` milliseconds.
void Pump(int quietMs = 30);

std::wstring ClassOf(HWND window);

// Selects the entry and tells the parent, as a pick with the mouse does.
void Pick(HWND combo, const std::wstring& entry);

// Makes the window the foreground one, where keys go; false if it never became it.
bool BringToFront(HWND window);

// Presses a key with the modifiers held, as a person does, and pumps.
void Press(WORD key, std::initializer_list<WORD> modifiers = {});
// Clicks the middle of the window with the mouse, and pumps.
void Click(HWND window);

// The top-level windows of this thread with this class (the visible ones only,
// unless hidden ones are asked for too).
std::vector<HWND> WindowsOfClass(const wchar_t* className, bool hiddenToo = false);

// GDI objects and windows (the USER objects a program makes most) of this
// process; under Wine, which lacks GetGuiResources, read from its GDI table.
long GdiObjects();
long Windows();

}  // namespace harness
