// start-and-close.exe PROGRAM_OR_SHORTCUT
// Opens the file as Explorer does (a shortcut starts its target), waits for a
// visible Kalvio main window, closes it as the close box does and exits with
// the program's exit status. Run it where no other Kalvio is running.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

namespace {

HWND FindMainWindow()
{
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"Kalvio.Form1", nullptr)) != nullptr)
        if (IsWindowVisible(window)) return window;
    return nullptr;
}

int Fail(const char* what)
{
    std::fprintf(stderr, "start-and-close: %s\n", what);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fputs("usage: start-and-close PROGRAM_OR_SHORTCUT\n", stderr);
        return 125;
    }
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = argv[1];
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) {
        std::fprintf(stderr, "start-and-close: cannot open it (error %lu)\n", GetLastError());
        return 125;
    }
    // Wine gives no process handle for a shortcut: the window leads to the process.
    if (info.hProcess != nullptr) CloseHandle(info.hProcess);
    HWND window = nullptr;
    for (int tries = 0; tries < 300 && window == nullptr; ++tries) {
        window = FindMainWindow();
        if (window == nullptr) Sleep(100);
    }
    if (window == nullptr) return Fail("no visible Kalvio.Form1 window within 30 s");
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) return Fail("cannot open the window's process");
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD status = 1;
    const bool ended = WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
    if (ended) GetExitCodeProcess(process, &status);
    CloseHandle(process);
    if (!ended) return Fail("still running 10 s after WM_CLOSE");
    if (status != 0) std::fprintf(stderr, "start-and-close: Kalvio ended with status %lu\n", status);
    return static_cast<int>(status);
}
