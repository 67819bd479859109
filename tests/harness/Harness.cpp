#include "harness/Harness.h"

#include "ui/ComboBox.h"
#include "ui/MessageLoop.h"

#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

// A failure the program could not go on after ends the test run loudly.
void ReportFatal(const std::string& what)
{
    std::fprintf(stderr, "fatal: %s\n", what.c_str());
    std::abort();
}

namespace harness {

void Pump(int quietMs)
{
    for (DWORD quietSince = GetTickCount(); GetTickCount() - quietSince < static_cast<DWORD>(quietMs);) {
        MSG msg{};
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(1);
            continue;
        }
        // A window destroyed by an earlier test posted its quit: not ours.
        if (msg.message != WM_QUIT) DispatchProgramMessage(msg);
        quietSince = GetTickCount();
    }
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
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
    std::vector<INPUT> inputs;
    const auto add = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (WORD modifier : modifiers) add(modifier, false);
    add(key, false);
    add(key, true);
    for (auto it = modifiers.end(); it != modifiers.begin();) add(*--it, true);
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        throw std::runtime_error("SendInput was refused");
    Pump();
}

void Click(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    std::vector<INPUT> inputs(3);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = MulDiv((r.left + r.right) / 2, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        inputs[i].mi.dy = MulDiv((r.top + r.bottom) / 2, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        inputs[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    if (SendInput(3, inputs.data(), sizeof(INPUT)) != 3) throw std::runtime_error("SendInput was refused");
    Pump();
}

namespace {

struct Search {
    const wchar_t* className;
    bool hiddenToo;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectIfClass(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    if ((search->hiddenToo || IsWindowVisible(window)) && ClassOf(window) == search->className)
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CountOne(HWND, LPARAM param)
{
    ++*reinterpret_cast<long*>(param);
    return TRUE;
}

// A top-level window and all its descendants.
BOOL CALLBACK CountTree(HWND window, LPARAM param)
{
    ++*reinterpret_cast<long*>(param);
    EnumChildWindows(window, CountOne, param);
    return TRUE;
}

// Wine keeps a GDI handle table laid out like Windows' own at the PEB's
// GdiSharedHandleTable; a live entry has a non-zero type byte (Wine 8's
// 64-bit GDI_HANDLE_ENTRY).
struct WineGdiEntry {
    unsigned long long object;
    unsigned long owner;
    unsigned short unique;
    unsigned char type;
    unsigned char flags;
    unsigned long long userPointer;
};
static_assert(sizeof(WineGdiEntry) == 24, "Wine's 64-bit GDI handle entry is 24 bytes");
constexpr std::size_t WineGdiHandles = 0x10000;
constexpr std::size_t PebGdiTableOffset = 0xF8;

}  // namespace

std::vector<HWND> WindowsOfClass(const wchar_t* className, bool hiddenToo)
{
    Search search{className, hiddenToo, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectIfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

long GdiObjects()
{
    SetLastError(ERROR_SUCCESS);
    const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return static_cast<long>(count);
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, &length) != 0)
        throw std::runtime_error("NtQueryInformationProcess failed");
    const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const WineGdiEntry* const*>(peb + PebGdiTableOffset);
    long live = 0;
    for (std::size_t i = 0; i < WineGdiHandles; ++i) live += table[i].type != 0;
    return live;
}

long Windows()
{
    long count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTree, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace harness
