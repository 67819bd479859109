#pragma once
// The about window's two web addresses, and handing one to the browser.
// Both hosts sit under the reserved .example domain, so no stranger can
// ever own the site a click sends the user to.
#include "ui/LateBoundApis.h"

#include <string>

namespace WebLinks {

inline constexpr wchar_t Scheme[] = L"http://";

// The maker's home page; Label4 shows its host.
inline constexpr wchar_t MakerAddress[] = L"http://kalvio.example";
// The home page of the maker's game Hvězdolet, behind the small picture.
inline constexpr wchar_t GameAddress[] = L"http://hvezdolet.example";

// True for Scheme followed by a non-empty host name with no path or port.
constexpr bool IsBareHttpAddress(const wchar_t* address)
{
    for (const wchar_t* s = Scheme; *s != L'\0'; ++s, ++address) {
        if (*address != *s) return false;
    }
    if (*address == L'\0') return false;
    for (; *address != L'\0'; ++address) {
        const wchar_t c = *address;
        const bool hostChar = (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') || c == L'-' || c == L'.';
        if (!hostChar) return false;
    }
    return true;
}

// The host part of an address that IsBareHttpAddress accepts.
constexpr const wchar_t* HostOf(const wchar_t* address)
{
    return address + (sizeof Scheme / sizeof Scheme[0] - 1);
}

inline constexpr const wchar_t* MakerHost = HostOf(MakerAddress);

// Hands the address to the shell's default handler and returns at once;
// where the shell cannot open it, tells the user so in a message owned by
// `owner`, with the address, and returns when the user closes it.
void Open(const LateBoundApis& apis, HWND owner, const std::wstring& address);

}  // namespace WebLinks
