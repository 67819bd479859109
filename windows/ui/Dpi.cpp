#include "ui/Dpi.h"

#include "ui/Handles.h"
#include "ui/SystemLibrary.h"

namespace {

// Newer DPI functions are looked up at run time, so the program still starts
// on systems that lack them.
const SystemLibrary& User32()
{
    static const SystemLibrary user32(L"user32.dll");
    return user32;
}

}  // namespace

UINT ClampDpi(UINT dpi)
{
    constexpr UINT lowest = 48, highest = 1536;  // 50 % and 1600 %
    return dpi < lowest ? lowest : dpi > highest ? highest : dpi;
}

int TwipsToPixels(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), TwipsPerInch);
}

int FontHeight(int centiPoints, UINT dpi)
{
    return -MulDiv(centiPoints, static_cast<int>(dpi), 7200);
}

void EnablePerMonitorDpiAwareness()
{
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (const auto set = User32().TryGet<SetContext>("SetProcessDpiAwarenessContext")) {
        // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2; failure is harmless.
        set(reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4)));
    }
}

UINT SystemDpi()
{
    using GetForSystem = UINT(WINAPI*)();
    if (const auto get = User32().TryGet<GetForSystem>("GetDpiForSystem")) return ClampDpi(get());
    WindowDC screen(nullptr);
    return ClampDpi(static_cast<UINT>(GetDeviceCaps(screen.Get(), LOGPIXELSX)));
}

UINT DpiOfWindow(HWND hwnd)
{
    using GetForWindow = UINT(WINAPI*)(HWND);
    if (const auto get = User32().TryGet<GetForWindow>("GetDpiForWindow")) {
        if (const UINT dpi = get(hwnd)) return ClampDpi(dpi);
    }
    WindowDC dc(hwnd);
    return ClampDpi(static_cast<UINT>(GetDeviceCaps(dc.Get(), LOGPIXELSX)));
}

SIZE OuterSizeForClient(int widthTwips, int heightTwips, DWORD style, DWORD exStyle, UINT dpi)
{
    RECT r{0, 0, TwipsToPixels(widthTwips, dpi), TwipsToPixels(heightTwips, dpi)};
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    if (const auto adjust = User32().TryGet<AdjustForDpi>("AdjustWindowRectExForDpi")) {
        adjust(&r, style, FALSE, exStyle, dpi);
    } else {
        AdjustWindowRectEx(&r, style, FALSE, exStyle);
    }
    return {r.right - r.left, r.bottom - r.top};
}
