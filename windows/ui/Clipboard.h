#pragma once
// Plain text handed to other programs through the clipboard.
#include <windows.h>

#include <string>

// Puts the text on the clipboard as Unicode text, retrying for a moment while
// another program holds the clipboard; false when it could not.
bool PutTextOnClipboard(HWND owner, const std::wstring& text);
