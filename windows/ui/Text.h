#pragma once
// Conversions between the engine's UTF-8 and Windows' UTF-16 and ANSI.
#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
// The system's ANSI code page, for the shell's A functions.
std::string ToAnsi(const std::wstring& utf16);
