#include "ui/Tooltip.h"

#include <commctrl.h>

void AddTooltip(HWND owner, HWND tool, const wchar_t* text)
{
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
    // A tip helps, but the control works without it: where none can be had
    // (the common controls' tips missing), there is none.
    if (!tip) return;
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    // TTF_SUBCLASS: the tip watches the control's mouse messages itself.
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<wchar_t*>(text);
    if (!SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info))) DestroyWindow(tip);
}
