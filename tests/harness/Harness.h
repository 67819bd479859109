#pragma once
// What the Windows tests do to the program's windows: real input through SendInput, picks with the messages a real
// pick sends, and the program's own message loop to hand on what reaches this process.
#include "ui/ComboBox.h"
#include "ui/Font.h"
#include "ui/Text.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace harness {

// Hands queued messages to the program's dispatch until none came for `quietMs` ms.
void Pump(int quietMs = 30);

// Selects the entry and tells the parent, as a pick with the mouse does.
void Pick(HWND combo, const std::wstring& entry);

// Makes the window the foreground one, where keys go; false if it never became it.
bool BringToFront(HWND window);

// Presses a key with the modifiers held, as a person does, and pumps.
void Press(WORD key, std::initializer_list<WORD> modifiers = {});

// This thread's top-level windows of the class (the visible ones unless hidden ones are asked for too).
std::vector<HWND> WindowsOfClass(const wchar_t* className, bool hiddenToo = false);

// This process's GDI objects as Wine counts them; this thread's windows and all their children.
long GdiObjects();
long WindowCount();

}  // namespace harness
