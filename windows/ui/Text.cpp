#include "ui/Text.h"

#include <windows.h>

#include <stdexcept>

namespace {

std::wstring ToWide(UINT codePage, const std::string& text)
{
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (n <= 0) throw std::runtime_error("MultiByteToWideChar failed");
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, out.data(), n);
    return out;
}

std::string FromWide(UINT codePage, const std::wstring& text)
{
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (n <= 0) throw std::runtime_error("WideCharToMultiByte failed");
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace

std::wstring Widen(const std::string& utf8)
{
    return ToWide(CP_UTF8, utf8);
}

std::string Narrow(const std::wstring& utf16)
{
    return FromWide(CP_UTF8, utf16);
}

std::string ToAnsi(const std::wstring& utf16)
{
    return FromWide(CP_ACP, utf16);
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}
