#include "Expected.h"

#include "Readings.h"

#include <windows.h>

#include <mutex>

int LifeNumber(const std::wstring& year, const std::wstring& month, const std::wstring& day)
{
    std::wstring digits = year + month + day;
    int sum = 0;
    for (;;) {
        sum = 0;
        for (wchar_t c : digits) {
            if (c >= L'0' && c <= L'9') sum += c - L'0';
        }
        if (sum < 10) return sum;
        digits = std::to_wstring(sum);
    }
}

std::wstring Reading(int slot)
{
    static std::once_flag filled;
    std::call_once(filled, [] { Module1::InitReadings(); });
    const std::string& utf8 = Module1::Readings[slot];
    if (utf8.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                           static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                        length);
    return text;
}

std::vector<std::wstring> NumberTexts(int first, int last)
{
    std::vector<std::wstring> texts;
    for (int n = first; n <= last; ++n) texts.push_back(std::to_wstring(n));
    return texts;
}
