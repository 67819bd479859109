#pragma once
// Where a Czech text may end a line: only at a space, and never after a
// one-letter preposition or conjunction, which Czech typesetting keeps with
// the word that follows. The reading boxes and the printed page both wrap by
// this rule, so the two show the same lines on Windows and under Wine (whose
// edit control would otherwise also break after a slash).
#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// True when a line may end at text[index], a space the next line skips.
bool IsLineBreak(std::wstring_view text, std::size_t index);

// The rule for an edit control, given with EM_SETWORDBREAKPROC. Words run
// from one break to the next, so Ctrl+Left and Ctrl+Right move by them.
int CALLBACK LineBreakWordProc(LPWSTR text, int current, int length, int action);

// The paragraph in lines no wider than `width` in the DC's current font,
// broken by the rule above; a word too wide for a line of its own is broken
// where it fills the line. The spaces at the breaks are dropped.
std::vector<std::wstring> WrapLines(HDC dc, std::wstring_view paragraph, int width);
