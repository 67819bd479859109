#pragma once
// Drop-down lists read and searched by the whole text of an entry.
#include <windows.h>

#include <string>

// The index of the entry whose text is exactly `text`, or CB_ERR.
LRESULT FindEntry(HWND combo, const std::wstring& text);

// The selected entry's text; empty when nothing is selected.
std::wstring SelectedEntry(HWND combo);
