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
