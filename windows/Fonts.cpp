#include "Fonts.h"

#include "Dpi.h"
#include "Fatal.h"

#include <cstdlib>
#include <initializer_list>

namespace {

UniqueFont CreateFace(const wchar_t* face, int height, int weight)
{
    const HFONT font = CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_SWISS, face);
    Check(font != nullptr, "CreateFontW");
    return UniqueFont(font);
}

// True when the font mapper gave this face at the asked size, with the
// Czech letters of its own. A bitmap face such as "MS Sans Serif" comes only
// in the sizes of 96 DPI screens, and a face without the letters would have
// them drawn from another font.
bool IsUsable(HFONT font, const wchar_t* face, int height)
{
    WindowDC screen(nullptr);
    SelectScope selected(screen.Get(), font);
    TEXTMETRICW metrics{};
    wchar_t realised[LF_FACESIZE] = {};
    GetTextMetricsW(screen.Get(), &metrics);
    GetTextFaceW(screen.Get(), LF_FACESIZE, realised);
    const int em = metrics.tmHeight - metrics.tmInternalLeading;
    if (lstrcmpiW(realised, face) != 0 || std::abs(em - std::abs(height)) > 1) return false;

    const wchar_t czech[] = L"ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž";
    WORD glyphs[sizeof czech / sizeof czech[0]] = {};
    const int count = static_cast<int>(sizeof czech / sizeof czech[0]) - 1;
    if (GetGlyphIndicesW(screen.Get(), czech, count, glyphs, GGI_MARK_NONEXISTING_GLYPHS) != static_cast<DWORD>(count))
        return false;
    for (int i = 0; i < count; ++i) {
        if (glyphs[i] == 0xFFFF) return false;
    }
    return true;
}

// The first face that exists at this size with every Czech letter; else the
// nearest sans serif the mapper picks for the first.
UniqueFont MakeFont(std::initializer_list<const wchar_t*> faces, int centiPoints, int weight, UINT dpi)
{
    const int height = FontHeight(centiPoints, dpi);
    for (const wchar_t* face : faces) {
        UniqueFont font = CreateFace(face, height, weight);
        if (IsUsable(font.Get(), face, height)) return font;
    }
    return CreateFace(*faces.begin(), height, weight);
}

// "MS Sans Serif" is a bitmap face with the sizes of 96 DPI screens only;
// Windows has its TrueType twin, and Arial (Liberation Sans under Wine) has
// every Czech letter at every size. Not Tahoma: Wine's copy claims all the
// letters yet draws ě, ř and ů from another, bolder face.
constexpr std::initializer_list<const wchar_t*> SansSerif = {
    L"MS Sans Serif", L"Microsoft Sans Serif", L"Arial"};

}  // namespace

UniqueFont MakeDefaultFont(UINT dpi, int centiPoints)
{
    return MakeFont(SansSerif, centiPoints, FW_NORMAL, dpi);
}

UniqueFont MakeBoldFont(UINT dpi)
{
    return MakeFont(SansSerif, 975, FW_BOLD, dpi);
}

UniqueFont MakeNumberFont(UINT dpi) { return MakeFont({L"Arial"}, 3600, FW_BOLD, dpi); }
