#include "ui/Layout.h"

#include "ui/Check.h"
#include "ui/Dpi.h"
#include "ui/Handles.h"
#include "ui/Text.h"

#include <string>

namespace {

// Room for the dropped list of a drop-down list, below its closed box.
constexpr int DroppedListTwips = 12 * 195;

bool IsDropDownList(const ControlSpec& design)
{
    return (design.style & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST && std::wstring(design.className) == L"COMBOBOX";
}

// A closed drop-down list sizes itself from its font; nudge its selection
// field so the closed box is exactly as tall as designed.
void FitClosedHeight(HWND combo, int wantedPixels)
{
    RECT r{};
    GetWindowRect(combo, &r);
    const int difference = wantedPixels - (r.bottom - r.top);
    if (difference == 0) return;
    const LRESULT field = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (field != CB_ERR && field + difference > 0)
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field + difference);
}

// The box as designed, in pixels; a drop-down list with room for its list.
RECT DesignedRect(const ControlSpec& design, UINT dpi)
{
    const int height = design.height + (IsDropDownList(design) ? DroppedListTwips : 0);
    return {TwipsToPixels(design.left, dpi), TwipsToPixels(design.top, dpi),
            TwipsToPixels(design.left + design.width, dpi), TwipsToPixels(design.top + height, dpi)};
}

// Moving a window costs messages and repaints even when nothing changes.
void MoveIfChanged(HWND control, int x, int y, int width, int height)
{
    const RECT now = RectInParent(control);
    if (now.left == x && now.top == y && now.right - now.left == width && now.bottom - now.top == height) return;
    SetWindowPos(control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The size of a single-line text in a font, in pixels.
SIZE MeasureText(const std::wstring& text, HFONT font)
{
    WindowDC dc(nullptr);
    SelectScope selected(dc.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    SIZE size{0, metrics.tmHeight};
    if (!text.empty()) {
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        size.cy = metrics.tmHeight;
    }
    return size;
}

// Where the control belongs for the DPI, with this text in this font.
RECT PlacedRect(const ControlSpec& design, UINT dpi, const std::wstring& text, HFONT font)
{
    RECT r = DesignedRect(design, dpi);
    if (design.fit != Fit::ToText && design.fit != Fit::ToTextKeepCentre) return r;
    const SIZE size = MeasureText(text, font);
    if (size.cx > 0) {
        if (design.fit == Fit::ToTextKeepCentre) r.left += (r.right - r.left - size.cx) / 2;
        r.right = r.left + size.cx;
    }
    r.bottom = r.top + size.cy;
    return r;
}

// A drop-down list keeps, below its closed box, the room its height left
// the last time it was sized, measured in the font it had then. Born in the
// system font, it is born taller by what that font adds to the closed box,
// so that in its own font the room is as designed; sized again only if the
// guess missed.
int ExtraHeightAtBirth(HFONT font)
{
    return MeasureText(L"", static_cast<HFONT>(GetStockObject(SYSTEM_FONT))).cy - MeasureText(L"", font).cy;
}

void FitDroppedRoom(HWND combo, const RECT& designed)
{
    RECT closed{};
    RECT dropped{};
    GetWindowRect(combo, &closed);
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const int height = designed.bottom - designed.top;
    if (dropped.bottom - dropped.top == height - (closed.bottom - closed.top)) return;
    SetWindowPos(combo, nullptr, 0, 0, designed.right - designed.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

}  // namespace

RECT RectInParent(HWND child)
{
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND CreateControl(HWND parent, const ControlSpec& design, UINT dpi, HFONT font)
{
    const RECT r = PlacedRect(design, dpi, design.text, font);
    const int extra = IsDropDownList(design) ? ExtraHeightAtBirth(font) : 0;
    const HWND control =
        CreateWindowExW(design.exStyle, design.className, design.text, design.style | WS_CHILD | WS_VISIBLE, r.left,
                        r.top, r.right - r.left, r.bottom - r.top + extra, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), GetModuleHandleW(nullptr), nullptr);
    Check(control != nullptr, "CreateWindowExW (control)");
    // No class takes its font at creation: a message must bring it.
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (IsDropDownList(design)) {
        FitDroppedRoom(control, r);
        FitClosedHeight(control, TwipsToPixels(design.height, dpi));
    }
    return control;
}

void PlaceControl(HWND control, const ControlSpec& design, UINT dpi)
{
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    const RECT r = PlacedRect(design, dpi, WindowText(control), font);
    MoveIfChanged(control, r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (IsDropDownList(design)) FitClosedHeight(control, TwipsToPixels(design.height, dpi));
}
