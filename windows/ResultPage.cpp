#include "KalvioVersion.h"
#include "ProgramFonts.h"
#include "Result.h"
#include "WebLinks.h"
#include "ui/Handles.h"
#include "ui/LineBreaks.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr int MarginTenthsOfMm = 200;
constexpr int BodyCentiPoints = 1100;
constexpr int SmallestBodyCentiPoints = 600;

// The fonts of one page: the readings' size is the one that may shrink.
struct PageFonts {
    PageFonts(UINT dpi, int bodyCentiPoints)
        : heading(MakeTextFont(dpi, 1600, FW_BOLD)),
          label(MakeTextFont(dpi, bodyCentiPoints, FW_BOLD)),
          body(MakeTextFont(dpi, bodyCentiPoints, FW_NORMAL)),
          number(MakeNumberFont(dpi)),
          footer(MakeTextFont(dpi, 800, FW_NORMAL))
    {
    }
    UniqueFont heading, label, body, number, footer;
};

// Writes lines down the page from the top of `area`; a line that would
// cross the bottom is not written, and the page is then marked as overflowing.
class PageWriter {
public:
    PageWriter(HDC dc, const RECT& area, bool draw) : dc_(dc), area_(area), y_(area.top), draw_(draw) {}

    void Line(HFONT font, std::wstring_view text, bool centred = false)
    {
        const SelectScope selected(dc_, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        const int height = metrics.tmHeight + metrics.tmExternalLeading;
        if (y_ + height > area_.bottom) {
            overflows_ = true;
            return;
        }
        if (draw_) {
            SIZE size{};
            GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
            const int x = centred ? (area_.left + area_.right - size.cx) / 2 : area_.left;
            ExtTextOutW(dc_, x, y_, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
        }
        y_ += height;
    }

    // Each line of the text wrapped to the page's width.
    void Wrapped(HFONT font, std::wstring_view text)
    {
        const SelectScope selected(dc_, font);
        for (std::size_t start = 0; start <= text.size();) {
            const std::size_t end = std::min(text.find(L'\n', start), text.size());
            std::wstring_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
            if (line.empty()) Line(font, line);
            for (const std::wstring& part : WrapLines(dc_, line, area_.right - area_.left)) Line(font, part);
            start = end + 1;
        }
    }

    void Gap(HFONT font) { Line(font, L""); }
    bool Overflows() const { return overflows_; }

private:
    HDC dc_;
    RECT area_;
    int y_;
    bool draw_;
    bool overflows_ = false;
};

// The page above its footer; false when it did not all fit.
bool WriteBody(HDC dc, const RECT& area, const PageFonts& fonts, const Result& result, bool draw)
{
    PageWriter page(dc, area, draw);
    page.Line(fonts.heading.Get(), L"Kalvio – životní číslo");
    page.Line(fonts.body.Get(), L"Datum narození: " + result.date);
    page.Line(fonts.number.Get(), result.number, true);
    page.Line(fonts.label.Get(), result.personalityHeading);
    page.Wrapped(fonts.body.Get(), result.personality);
    page.Gap(fonts.body.Get());
    page.Line(fonts.label.Get(), result.partnershipHeading);
    page.Wrapped(fonts.body.Get(), result.partnership);
    return !page.Overflows();
}

std::wstring FooterText()
{
    return L"Kalvio v" + std::to_wstring(KALVIO_VERSION_MAJOR) + L"." + std::to_wstring(KALVIO_VERSION_MINOR) + L" · " +
           WebLinks::MakerHost;
}

}  // namespace

void DrawResultPage(HDC dc, const RECT& paper, UINT dpi, const Result& result)
{
    const int margin = MulDiv(static_cast<int>(dpi), MarginTenthsOfMm, 254);
    RECT area{paper.left + margin, paper.top + margin, paper.right - margin, paper.bottom - margin};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);

    // The footer on the last line; the body above it, a line apart.
    const PageFonts design(dpi, BodyCentiPoints);
    const SelectScope footerFont(dc, design.footer.Get());
    TEXTMETRICW footer{};
    GetTextMetricsW(dc, &footer);
    const std::wstring footerText = FooterText();
    const int footerTop = area.bottom - footer.tmHeight;
    ExtTextOutW(dc, area.left, footerTop, 0, nullptr, footerText.c_str(), static_cast<UINT>(footerText.size()),
                nullptr);
    area.bottom = footerTop - footer.tmHeight;

    // Readings too long for the page (a user may have typed into the boxes)
    // get a point smaller each time; at the smallest, what does not fit is cut.
    int size = BodyCentiPoints;
    while (size > SmallestBodyCentiPoints && !WriteBody(dc, area, PageFonts(dpi, size), result, false)) size -= 100;
    WriteBody(dc, area, PageFonts(dpi, size), result, true);
}
