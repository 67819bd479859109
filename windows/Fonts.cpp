#include "Fonts.h"

#include "Dpi.h"
#include "Fatal.h"

namespace {

UniqueFont MakeFont(const wchar_t* face, int centiPoints, int weight, UINT dpi)
{
    const HFONT font = CreateFontW(FontHeight(centiPoints, dpi), 0, 0, 0, weight, FALSE, FALSE,
                                   FALSE, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_SWISS, face);
    Check(font != nullptr, "CreateFontW");
    return UniqueFont(font);
}

}  // namespace

UniqueFont MakeDefaultFont(UINT dpi) { return MakeFont(L"MS Sans Serif", 800, FW_NORMAL, dpi); }

UniqueFont MakeBoldFont(UINT dpi) { return MakeFont(L"MS Sans Serif", 975, FW_BOLD, dpi); }

UniqueFont MakeNumberFont(UINT dpi) { return MakeFont(L"Arial", 3600, FW_BOLD, dpi); }
