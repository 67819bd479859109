#include "ProgramFonts.h"

#include "ui/Font.h"

namespace {

// Every letter of Czech: a stand-in face must draw them all itself.
constexpr wchar_t CzechLetters[] = L"ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž";

// "MS Sans Serif" is a bitmap face with the sizes of 96 DPI screens only;
// Windows has its TrueType twin, and Arial (Liberation Sans under Wine) has
// every Czech letter at every size. Not Tahoma: Wine's copy claims all the
// letters yet draws ě, ř and ů from another, bolder face, and no glyph query
// tells; Wine gives it only when asked for by name.
constexpr std::initializer_list<const wchar_t*> SansSerif = {L"MS Sans Serif", L"Microsoft Sans Serif", L"Arial"};

}  // namespace

UniqueFont MakeTextFont(UINT dpi, int centiPoints, int weight)
{
    return MakeFont(SansSerif, centiPoints, weight, dpi, CzechLetters);
}

UniqueFont MakeNormalFont(UINT dpi, int centiPoints)
{
    return MakeTextFont(dpi, centiPoints, FW_NORMAL);
}

UniqueFont MakeBoldFont(UINT dpi)
{
    return MakeTextFont(dpi, 975, FW_BOLD);
}

UniqueFont MakeNumberFont(UINT dpi)
{
    return MakeFont({L"Arial"}, 3600, FW_BOLD, dpi, L"0123456789");
}
