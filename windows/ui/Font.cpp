#include "ui/Font.h"

#include "ui/Check.h"
#include "ui/Dpi.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

UniqueFont CreateFace(const wchar_t* face, int height, int weight, DWORD precision = OUT_DEFAULT_PRECIS)
{
    const HFONT font = CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, precision,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
    Check(font != nullptr, "CreateFontW");
    return UniqueFont(font);
}

// True when the font mapper gave a face at the asked size, with a line at
// most half as tall again as its em, and with a glyph for every letter. A
// bitmap face such as "MS Sans Serif" comes only in the sizes of 96 DPI
// screens; a stand-in such as "DejaVu Math TeX Gyre" has the size but a line
// four times its em, which no label or list is made for. The face may carry
// another name than the one asked for: a system without that face maps it to
// a stand-in (Liberation Sans for Arial under Wine), which is as good at the
// same size.
bool IsUsable(HFONT font, int height, const wchar_t* letters)
{
    WindowDC screen(nullptr);
    SelectScope selected(screen.Get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    const int em = metrics.tmHeight - metrics.tmInternalLeading;
    if (std::abs(em - std::abs(height)) > 1 || 2 * metrics.tmHeight > 3 * em) return false;

    const int count = lstrlenW(letters);
    std::vector<WORD> glyphs(static_cast<std::size_t>(count));
    if (GetGlyphIndicesW(screen.Get(), letters, count, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) !=
        static_cast<DWORD>(count))
        return false;
    return std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

int CALLBACK AddSansSerifFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM faces)
{
    // '@' marks the vertical twin of a face, for East Asian writing.
    if ((type & TRUETYPE_FONTTYPE) && (font->lfPitchAndFamily & 0xF0) == FF_SWISS && font->lfFaceName[0] != L'@')
        reinterpret_cast<std::vector<std::wstring>*>(faces)->push_back(font->lfFaceName);
    return 1;
}

// The scalable sans-serif faces the system has with Central European letters.
std::vector<std::wstring> SansSerifFaces()
{
    LOGFONTW wanted{};
    wanted.lfCharSet = EASTEUROPE_CHARSET;
    WindowDC screen(nullptr);
    std::vector<std::wstring> faces;
    EnumFontFamiliesExW(screen.Get(), &wanted, AddSansSerifFace, reinterpret_cast<LPARAM>(&faces), 0);
    return faces;
}

}  // namespace

UniqueFont MakeFont(std::initializer_list<const wchar_t*> faces, int centiPoints, int weight, UINT dpi,
                    const wchar_t* letters)
{
    const int height = FontHeight(centiPoints, dpi);
    const auto usable = [&](const wchar_t* face) {
        UniqueFont font = CreateFace(face, height, weight);
        return IsUsable(font.Get(), height, letters) ? std::move(font) : UniqueFont();
    };
    for (const wchar_t* face : faces) {
        if (UniqueFont font = usable(face)) return font;
    }
    // Neither those faces nor the mapper's stand-ins for them: any face of the
    // kind asked for that the system has.
    for (const std::wstring& face : SansSerifFaces()) {
        if (UniqueFont font = usable(face.c_str())) return font;
    }
    // None at this size: the font mapper's scalable sans-serif face is still
    // better than any face at another size.
    return CreateFace(L"", height, weight, OUT_TT_ONLY_PRECIS);
}

int LineHeight(HWND control)
{
    WindowDC dc(control);
    SelectScope font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    return metrics.tmHeight;
}
