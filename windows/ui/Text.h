#pragma once
// Conversions between the engine's UTF-8 and Windows' UTF-16 and ANSI.
#include <windows.h>

#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
// The system's ANSI code page, for the shell's A functions.
std::string ToAnsi(const std::wstring& utf16);

// A window's text: a control's caption or contents.
std::wstring WindowText(HWND window);
