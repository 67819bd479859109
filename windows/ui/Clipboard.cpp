#include "ui/Clipboard.h"

#include <cstring>

namespace {

// The clipboard is one per session; another program may hold it for a moment.
bool OpenClipboardSoon(HWND owner)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(30);
    }
    return false;
}

class OpenedClipboard {
public:
    ~OpenedClipboard() { CloseClipboard(); }
};

struct GlobalFreeOnExit {
    HGLOBAL memory;
    ~GlobalFreeOnExit()
    {
        if (memory) GlobalFree(memory);
    }
};

}  // namespace

bool PutTextOnClipboard(HWND owner, const std::wstring& text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalFreeOnExit copy{GlobalAlloc(GMEM_MOVEABLE, bytes)};
    if (!copy.memory) return false;
    void* target = GlobalLock(copy.memory);
    if (!target) return false;
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(copy.memory);

    if (!OpenClipboardSoon(owner)) return false;
    const OpenedClipboard opened;
    if (!EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, copy.memory)) return false;
    copy.memory = nullptr;  // the clipboard owns it now
    return true;
}
