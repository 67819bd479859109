#pragma once
// What the main window shows for a date, taken out of the window: as one
// text for the clipboard, or as one printed page.
#include <windows.h>

#include <string>

struct Result {
    std::wstring date;  // d. m. yyyy, as Czech writes it
    std::wstring number;
    std::wstring personalityHeading;
    std::wstring personality;
    std::wstring partnershipHeading;
    std::wstring partnership;  // its title, CR LF, its paragraph
};

// The result as plain text with CR LF line ends, ending with one.
std::wstring ResultText(const Result& result);

// Draws the result as one page: `paper` is the whole sheet in device units at
// `dpi` pixels an inch. Everything stays inside margins of 20 mm; readings too
// long for the page get smaller type.
void DrawResultPage(HDC dc, const RECT& paper, UINT dpi, const Result& result);

// Offers the standard print dialog and prints the page; whatever fails is
// said in Czech, and the program goes on.
void PrintResult(HWND owner, const Result& result);
