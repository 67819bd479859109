#include "ui/Tooltip.h"

#include "ui/Check.h"

#include <commctrl.h>

void AddTooltip(HWND owner, HWND tool, const wchar_t* text)
{
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
    Check(tip != nullptr, "CreateWindowExW (tool tip)");
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    // TTF_SUBCLASS: the tip watches the control's mouse messages itself.
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<wchar_t*>(text);
    Check(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0, "TTM_ADDTOOLW");
}
