#include "ui/LineBreaks.h"

namespace {

bool IsSpaceOrLineEnd(wchar_t c)
{
    return c == L' ' || c == L'\u00A0' || c == L'\r' || c == L'\n';
}

// a, i, k, o, s, u, v, z and their capitals, standing alone.
bool EndsWithOneLetterWord(std::wstring_view text, std::size_t end)
{
    if (end == 0 || std::wstring_view(L"aikosuvzAIKOSUVZ").find(text[end - 1]) == std::wstring_view::npos) return false;
    return end == 1 || IsSpaceOrLineEnd(text[end - 2]) ||
           std::wstring_view(L"(\"„'").find(text[end - 2]) != std::wstring_view::npos;
}

// Where the word around or after `index` begins when moving right, and where
// the word before it begins when moving left.
std::size_t NextWordStart(std::wstring_view text, std::size_t index)
{
    while (index < text.size() && !IsLineBreak(text, index) && text[index] != L'\r' && text[index] != L'\n') ++index;
    while (index < text.size() && (text[index] == L' ' || text[index] == L'\r' || text[index] == L'\n')) ++index;
    return index;
}

std::size_t PreviousWordStart(std::wstring_view text, std::size_t index)
{
    while (index > 0 && (text[index - 1] == L' ' || text[index - 1] == L'\r' || text[index - 1] == L'\n')) --index;
    while (index > 0 && !IsLineBreak(text, index - 1) && text[index - 1] != L'\n') --index;
    return index;
}

int TextWidth(HDC dc, std::wstring_view text)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// How much of the text, from its start, one line takes: up to the last break
// that fits, else as many characters as fit (at least one).
std::size_t LineLength(HDC dc, std::wstring_view text, int width)
{
    std::size_t fits = 0;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        if (i < text.size() && !IsLineBreak(text, i)) continue;
        if (TextWidth(dc, text.substr(0, i)) > width) break;
        fits = i;
    }
    if (fits > 0) return fits;
    int chars = 0;
    GetTextExtentExPointW(dc, text.data(), static_cast<int>(text.size()), width, &chars, nullptr, nullptr);
    return chars > 0 ? static_cast<std::size_t>(chars) : 1;
}

}  // namespace

bool IsLineBreak(std::wstring_view text, std::size_t index)
{
    if (index >= text.size() || text[index] != L' ') return false;
    // Of a run of spaces, the line ends at the first.
    std::size_t wordEnd = index;
    while (wordEnd > 0 && text[wordEnd - 1] == L' ') --wordEnd;
    return !EndsWithOneLetterWord(text, wordEnd);
}

int CALLBACK LineBreakWordProc(LPWSTR text, int current, int length, int action)
{
    const std::wstring_view view(text, static_cast<std::size_t>(length > 0 ? length : 0));
    const auto at = static_cast<std::size_t>(current < 0 ? 0 : current > length ? length : current);
    switch (action) {
    case WB_LEFT: return static_cast<int>(PreviousWordStart(view, at));
    case WB_RIGHT: return static_cast<int>(NextWordStart(view, at));
    case WB_ISDELIMITER: return at < view.size() && (IsLineBreak(view, at) || view[at] == L'\r' || view[at] == L'\n');
    default: return 0;
    }
}

std::vector<std::wstring> WrapLines(HDC dc, std::wstring_view paragraph, int width)
{
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < paragraph.size()) {
        const std::size_t length = LineLength(dc, paragraph.substr(start), width);
        lines.emplace_back(paragraph.substr(start, length));
        start += length;
        while (start < paragraph.size() && paragraph[start] == L' ') ++start;
    }
    return lines;
}
