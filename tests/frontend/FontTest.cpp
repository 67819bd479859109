// Fonts at the size asked for, whatever faces the system lacks.
#include "ui/Dpi.h"
#include "ui/Font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

constexpr wchar_t Letters[] = L"ěřůŽ";

// The font's metrics, and whether it has a glyph of its own for each of the letters.
std::pair<TEXTMETRICW, bool> Metrics(HFONT font)
{
    WindowDC screen(nullptr);
    SelectScope selected(screen.Get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    WORD glyphs[4] = {};
    GetGlyphIndicesW(screen.Get(), Letters, 4, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    return {metrics, std::find(glyphs, glyphs + 4, WORD{0xFFFF}) == glyphs + 4};
}

TEST(Font, FacesMissingOrWithoutTheSizeTheLettersOrASensibleLineGiveAStandInThatHasThem)
{
    // At 200 %, 8 pt is 21 pixels: the bitmap "MS Sans Serif" stops at 13. Debian's math face has that em and every
    // Czech letter, on a line of four ems; "Symbol" has the size and none of the letters.
    ASSERT_GT(AddFontResourceExW(L"Z:/usr/share/fonts/truetype/dejavu/DejaVuMathTeXGyre.ttf", FR_PRIVATE, nullptr), 0);
    constexpr UINT dpi = 192;
    const int em = -FontHeight(800, dpi);
    for (const auto& faces : {std::initializer_list<const wchar_t*>{L"MS Sans Serif"},
                              {L"MS Sans Serif", L"Kalvio No Such Face"},
                              {L"DejaVu Math TeX Gyre"},
                              {L"Symbol"}}) {
        const auto [got, hasLetters] = Metrics(MakeFont(faces, 800, FW_NORMAL, dpi, Letters).Get());
        EXPECT_NEAR(got.tmHeight - got.tmInternalLeading, em, 1) << "asked first for " << *faces.begin();
        EXPECT_LE(got.tmHeight, em * 3 / 2) << "asked first for " << *faces.begin();
        EXPECT_TRUE(hasLetters) << "asked first for " << *faces.begin();
    }
}

}  // namespace
