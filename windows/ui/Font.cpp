#include "ui/Font.h"

#include "ui/Check.h"
#include "ui/Dpi.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

UniqueFont CreateFace(const wchar_t* face, int height, int weight)
{
    const HFONT font = CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
    Check(font != nullptr, "CreateFontW");
    return UniqueFont(font);
}

// True when the font mapper gave this face at the asked size, with the
// letters of its own. A bitmap face such as "MS Sans Serif" comes only
// in the sizes of 96 DPI screens, and a face without the letters would have
// them drawn from another font.
bool IsUsable(HFONT font, const wchar_t* face, int height, const wchar_t* letters)
{
    WindowDC screen(nullptr);
    SelectScope selected(screen.Get(), font);
    TEXTMETRICW metrics{};
    wchar_t realised[LF_FACESIZE] = {};
    GetTextMetricsW(screen.Get(), &metrics);
    GetTextFaceW(screen.Get(), LF_FACESIZE, realised);
    const int em = metrics.tmHeight - metrics.tmInternalLeading;
    if (lstrcmpiW(realised, face) != 0 || std::abs(em - std::abs(height)) > 1) return false;

    const int count = lstrlenW(letters);
    std::vector<WORD> glyphs(static_cast<std::size_t>(count));
    if (GetGlyphIndicesW(screen.Get(), letters, count, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) !=
        static_cast<DWORD>(count))
        return false;
    return std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

}  // namespace

UniqueFont MakeFont(std::initializer_list<const wchar_t*> faces, int centiPoints, int weight, UINT dpi,
                    const wchar_t* letters)
{
    const int height = FontHeight(centiPoints, dpi);
    for (const wchar_t* face : faces) {
        UniqueFont font = CreateFace(face, height, weight);
        if (IsUsable(font.Get(), face, height, letters)) return font;
    }
    return CreateFace(*faces.begin(), height, weight);
}

int LineHeight(HWND control)
{
    WindowDC dc(control);
    SelectScope font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    return metrics.tmHeight;
}
