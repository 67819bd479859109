#include "harness/Harness.h"

#include "ui/MessageLoop.h"
#include "ui/Window.h"

#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <stdexcept>

// ntdll's, undeclared in the SDK headers.
extern "C" PPEB NTAPI RtlGetCurrentPeb();

namespace harness {

void Pump(int quietMs)
{
    for (DWORD quietSince = GetTickCount(); GetTickCount() - quietSince < static_cast<DWORD>(quietMs); Sleep(1)) {
        for (MSG msg{}; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); quietSince = GetTickCount()) {
            // A window destroyed by an earlier test posted its quit: not ours.
            if (msg.message != WM_QUIT) DispatchProgramMessage(msg);
            // A handler's failure fails the test that sent the message.
            Window::ThrowKeptFailure();
        }
    }
    Window::ThrowKeptFailure();
}

void Pick(HWND combo, const std::wstring& entry)
{
    const LRESULT index = FindEntry(combo, entry);
    if (index == CB_ERR) throw std::invalid_argument("no such entry in the list");
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

bool BringToFront(HWND window)
{
    for (int i = 0; i < 100; ++i) {
        SetForegroundWindow(window);
        Pump(10);
        if (GetForegroundWindow() == window) return true;
    }
    return false;
}

void Press(WORD key, std::initializer_list<WORD> modifiers)
{
    // The modifiers go down first and up last, around the key.
    std::vector<WORD> keys(modifiers);
    keys.push_back(key);
    std::vector<INPUT> inputs(2 * keys.size(), INPUT{INPUT_KEYBOARD, {}});
    for (std::size_t i = 0; i < keys.size(); ++i) {
        inputs[i].ki.wVk = keys[i];
        inputs[inputs.size() - 1 - i].ki = {keys[i], 0, KEYEVENTF_KEYUP, 0, 0};
    }
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        throw std::runtime_error("SendInput was refused");
    Pump();
}

// Adds each window enumerated to the vector at `param`.
static BOOL CALLBACK Collect(HWND window, LPARAM param)
{
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

static std::vector<HWND> TopLevelWindows()
{
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<HWND> WindowsOfClass(const wchar_t* className, bool hiddenToo)
{
    std::vector<HWND> found;
    wchar_t name[64] = {};
    for (HWND window : TopLevelWindows()) {
        const bool shown = hiddenToo || IsWindowVisible(window);
        if (shown && GetClassNameW(window, name, 64) && std::wcscmp(name, className) == 0) found.push_back(window);
    }
    return found;
}

long GdiObjects()
{
    // Wine lacks GetGuiResources but keeps a handle table laid out like Windows' own at the PEB's
    // GdiSharedHandleTable (offset 0xF8): 0x10000 entries of 24 bytes, a live one with a non-zero type byte at 14.
    const auto* table = *reinterpret_cast<const BYTE* const*>(reinterpret_cast<const BYTE*>(RtlGetCurrentPeb()) + 0xF8);
    long live = 0;
    for (int i = 0; i < 0x10000; ++i) live += table[i * 24 + 14] != 0;
    return live;
}

long WindowCount()
{
    std::vector<HWND> all = TopLevelWindows();
    for (std::size_t i = 0, topLevel = all.size(); i < topLevel; ++i)
        EnumChildWindows(all[i], Collect, reinterpret_cast<LPARAM>(&all));
    return static_cast<long>(all.size());
}

}  // namespace harness
