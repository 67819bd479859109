#pragma once
// Fonts by face, size and weight for a given DPI.
#include "ui/Handles.h"

#include <windows.h>

#include <initializer_list>

// The first of `faces` (or the stand-in the system gives for it) at this size,
// with a line no taller than 1.5 ems and a glyph for every letter of
// `letters`; else the first scalable sans-serif face of the system that is
// so; else the font mapper's scalable sans-serif face at this size. Central
// European character set.
UniqueFont MakeFont(std::initializer_list<const wchar_t*> faces, int centiPoints, int weight, UINT dpi,
                    const wchar_t* letters);

// The height of a line of text in the control's font, in pixels.
int LineHeight(HWND control);
