#include "GuiObjects.h"

#include "Ui.h"

#include <winternl.h>

#include <vector>

namespace {

// Wine answers GetGuiResources with ERROR_CALL_NOT_IMPLEMENTED. Its GDI keeps
// a handle table laid out like Windows' own, reachable from the process's PEB
// (GdiSharedHandleTable) and readable from outside; a live entry has a
// non-zero type byte. Layout of Wine 8's GDI_HANDLE_ENTRY (ntgdi.h).
struct WineGdiEntry {
    unsigned long long object;
    unsigned long owner;
    unsigned short unique;
    unsigned char type;
    unsigned char flags;
    unsigned long long userPointer;
};
static_assert(sizeof(WineGdiEntry) == 24, "Wine's 64-bit GDI handle entry is 24 bytes");
constexpr std::size_t WineGdiHandleCount = 0x10000;
constexpr std::size_t PebGdiTableOffset = 0xF8;  // 64-bit PEB

long WineGdiObjects(HANDLE process)
{
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) return -1;
    void* table = nullptr;
    SIZE_T read = 0;
    const auto* tableField = reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + PebGdiTableOffset;
    if (!ReadProcessMemory(process, tableField, &table, sizeof table, &read) || !table) return -1;
    std::vector<WineGdiEntry> entries(WineGdiHandleCount);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(WineGdiEntry), &read)) return -1;
    long live = 0;
    for (const WineGdiEntry& entry : entries) {
        if (entry.type != 0) ++live;
    }
    return live;
}

BOOL CALLBACK CountChild(HWND, LPARAM param)
{
    ++*reinterpret_cast<long*>(param);
    return TRUE;
}

// Windows are the USER objects a program makes most; without
// GetGuiResources, count every window the process owns, hidden ones included.
long WindowsOf(DWORD pid)
{
    long count = 0;
    for (HWND window : ui::TopLevelWindows(pid)) {
        ++count;
        EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
    }
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
        if (ui::ProcessOf(window) == pid) ++count;
    }
    return count;
}

}  // namespace

GuiObjectCounts CountGuiObjects(HANDLE process, DWORD pid)
{
    GuiObjectCounts counts;
    SetLastError(ERROR_SUCCESS);
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    const bool implemented = !(gdi == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED);
    if (implemented) {
        counts.gdi = static_cast<long>(gdi);
        counts.user = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
        counts.how = "GetGuiResources";
    } else {
        counts.gdi = WineGdiObjects(process);
        counts.user = WindowsOf(pid);
        counts.how = "Wine: GDI handle table entries, USER windows of the process";
    }
    return counts;
}
