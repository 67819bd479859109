#include "ui/ComboBox.h"

#include <stdexcept>

LRESULT FindEntry(HWND combo, const std::wstring& text)
{
    // CB_SELECTSTRING and CB_FINDSTRING match a prefix ("1" finds "10").
    return SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring SelectedEntry(HWND combo)
{
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return L"";
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length == CB_ERR) throw std::runtime_error("CB_GETLBTEXTLEN failed");
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}
