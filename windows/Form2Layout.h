#pragma once
// The about window's layout and texts, in twips: one row per control, its
// links included.
#include "KalvioVersion.h"
#include "WebLinks.h"
#include "res/resource.h"
#include "ui/Layout.h"

#include <array>

namespace Form2Layout {

constexpr int ClientWidth = 4050;
constexpr int ClientHeight = 2550;
// The program icon in Image2 and in the caption, at its own size.
constexpr int IconTwips = 480;

// Labels of one line never wrap, even if a rounded size comes out a pixel short.
constexpr DWORD LineLabel = SS_LEFTNOWORDWRAP | SS_NOPREFIX;
constexpr DWORD WrappingLabel = SS_LEFT | SS_NOPREFIX;
// A STATIC reports clicks only with SS_NOTIFY.
constexpr DWORD LinkLabel = SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY;
// Drawn by the window itself, so the icon's transparent pixels show the picture.
constexpr DWORD Picture = SS_OWNERDRAW | SS_NOTIFY;

// "v2.0.", 62 spaces that push the identifier towards the right edge, the
// identifier. Kept short: off 96 DPI the labels fall back to a face whose
// spaces are relatively wider, and the line must still end inside the window.
inline constexpr wchar_t VersionLine[] =
    KALVIO_ABOUT_VERSION
    L"                                                              "
    L"KS1";

constexpr int SpacesAfter(const wchar_t* text, int start)
{
    int count = 0;
    while (text[start + count] == L' ') ++count;
    return count;
}
static_assert(SpacesAfter(VersionLine, static_cast<int>(sizeof KALVIO_ABOUT_VERSION / sizeof(wchar_t)) - 1) == 62,
              "Label6 needs exactly 62 spaces after the version");

// A control of the about window; a link has its tool tip and the address a
// click on it opens.
struct Row : ControlSpec {
    const wchar_t* tip = nullptr;
    const wchar_t* address = nullptr;
};

// Children created later sit lower in the stacking order, so Image2 comes
// last: under the labels.
// Label5 ties each "a" to the next word: in Czech no line ends in a one-letter word.
// One control a row; the formatter leaves the table alone.
// clang-format off
inline constexpr std::array<Row, 7> Controls = {{
    {{IDC_F2_LABEL1, L"STATIC", L"Kalvio! " KALVIO_ABOUT_VERSION, LineLabel, 0, 720, 120, 1710, 240, FontRole::Bold, Fit::ToText}},
    {{IDC_F2_LABEL2, L"STATIC", L"Copyright © 2026 Kalvio Soft", LineLabel, 0, 720, 480, 2340, 195, FontRole::Normal, Fit::ToText}},
    {{IDC_F2_LABEL3, L"STATIC", L"Autor: Ondřej Hálek, ondra@kalvio.example", LineLabel, 0, 720, 720, 3300, 195, FontRole::Normal, Fit::ToText}},
    {{IDC_F2_LABEL4, L"STATIC", WebLinks::MakerHost, LinkLabel, 0, 720, 1080, 1800, 240, FontRole::Bold, Fit::ToText}, L"Více informací", WebLinks::MakerAddress},
    {{IDC_F2_LABEL5, L"STATIC", L"Navštivte naše stránky a\u00A0stáhněte si další programy a\u00A0hry pro váš počítač :)", WrappingLabel, 0, 120, 1800, 3855, 495, FontRole::Normal, Fit::Fixed}},
    {{IDC_F2_LABEL6, L"STATIC", VersionLine, LineLabel, 0, 120, 2280, 3870, 195, FontRole::Normal, Fit::ToText}},
    {{IDC_F2_IMAGE2, L"STATIC", L"", Picture, 0, 120, 120, IconTwips, IconTwips, FontRole::Normal, Fit::Fixed}, L"Hvězdolet – vesmírná hra ke stažení", WebLinks::GameAddress},
}};
// clang-format on

constexpr bool LinksAreBareHttpAddresses()
{
    for (const Row& row : Controls) {
        if (row.address && !WebLinks::IsBareHttpAddress(row.address)) return false;
    }
    return true;
}
static_assert(LinksAreBareHttpAddresses(), "a link's address must be http:// and a bare host");

}  // namespace Form2Layout
