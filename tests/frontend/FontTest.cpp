// Fonts at the size asked for, whatever faces the system lacks.
#include "ui/Dpi.h"
#include "ui/Font.h"

#include <gtest/gtest.h>

namespace {

int EmHeight(HFONT font)
{
    WindowDC screen(nullptr);
    SelectScope selected(screen.Get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

TEST(Font, FacesMissingOrWithoutTheSizeGiveAStandInAtTheAskedSize)
{
    // At 200 %, 8 pt is 21 pixels: the bitmap "MS Sans Serif" stops at 13.
    constexpr UINT dpi = 192;
    const int em = -FontHeight(800, dpi);
    for (const auto& faces : {std::initializer_list<const wchar_t*>{L"MS Sans Serif"},
                              std::initializer_list<const wchar_t*>{L"MS Sans Serif", L"Kalvio No Such Face"}}) {
        const UniqueFont font = MakeFont(faces, 800, FW_NORMAL, dpi, L"ěřůŽ");
        EXPECT_NEAR(EmHeight(font.Get()), em, 1) << "asked first for " << faces.size() << " face(s)";
    }
}

}  // namespace
