#include "ui/FitText.h"

#include "ui/Font.h"

namespace {

// Lines the box shows at once in its current font.
int VisibleLines(HWND edit)
{
    RECT format{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const int lineHeight = LineHeight(edit);
    return lineHeight > 0 ? (format.bottom - format.top) / lineHeight : 0;
}

bool ShowsWholeText(HWND edit)
{
    return SendMessageW(edit, EM_GETLINECOUNT, 0, 0) <= VisibleLines(edit);
}

}  // namespace

UniqueFont FitTextToBox(HWND edit, HFONT designFont, int designCentiPoints, int smallestCentiPoints,
                        const std::function<UniqueFont(int centiPoints)>& makeFont)
{
    // Setting the font the box already has would lay its text out once more.
    if (reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)) != designFont)
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(designFont), TRUE);
    UniqueFont smaller;
    for (int size = designCentiPoints - 100; !ShowsWholeText(edit) && size >= smallestCentiPoints; size -= 100) {
        UniqueFont next = makeFont(size);
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(next.Get()), TRUE);
        smaller = std::move(next);
    }
    return smaller;
}
